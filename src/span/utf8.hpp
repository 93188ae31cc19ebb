#pragma once
// Small UTF-8 helpers. Input text is always valid UTF-8 (the binding guarantees it).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace norvane::utf8 {

// Length in bytes of the sequence that starts with lead byte b.
inline std::size_t seq_len(unsigned char b) {
  if (b < 0x80) return 1;
  if (b < 0xE0) return 2;
  if (b < 0xF0) return 3;
  return 4;
}

inline bool is_continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Decodes the character at byte offset i; returns the code point and advances i.
inline char32_t decode(std::string_view s, std::size_t& i) {
  auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  std::size_t n = seq_len(b0);
  if (i + n > s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t cp;
  if (n == 2) cp = b0 & 0x1F;
  else if (n == 3) cp = b0 & 0x0F;
  else cp = b0 & 0x07;
  for (std::size_t k = 1; k < n; ++k)
    cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
  i += n;
  return cp;
}

inline void append(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// The characters of s counted (and with kCopy its bytes copied to `out`, which has room for
// them and is written nowhere else) as count_chars and count_chars_copying say.
template <bool kCopy>
inline std::size_t count_chars_into(std::string_view s, [[maybe_unused]] char* out) {
  const char* p = s.data();
  const std::size_t n = s.size();
#if defined(__SSE2__)
  if (n >= 16) {
    // As signed bytes, continuation bytes are -128..-65; every other byte is greater.
    const __m128i limit = _mm_set1_epi8(-65);
    const __m128i zero = _mm_setzero_si128();
    const std::size_t whole = n & ~std::size_t{15};
    std::size_t chars = 0, i = 0;
    auto load = [&](std::size_t at) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
      if constexpr (kCopy) _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), x);
      return x;
    };
    while (i < whole) {
      // Byte lanes count up to 255 before they are summed.
      const std::size_t stop = whole - i > 255 * 16 ? i + 255 * 16 : whole;
      __m128i counts = zero;
      // Four blocks a step: the loop's own compare and branch then cost a quarter as much.
      for (; stop - i >= 64; i += 64) {
        const __m128i x0 = load(i);
        const __m128i x1 = load(i + 16);
        const __m128i x2 = load(i + 32);
        const __m128i x3 = load(i + 48);
        counts = _mm_sub_epi8(counts, _mm_cmpgt_epi8(x0, limit));
        counts = _mm_sub_epi8(counts, _mm_cmpgt_epi8(x1, limit));
        counts = _mm_sub_epi8(counts, _mm_cmpgt_epi8(x2, limit));
        counts = _mm_sub_epi8(counts, _mm_cmpgt_epi8(x3, limit));
      }
      for (; i < stop; i += 16) counts = _mm_sub_epi8(counts, _mm_cmpgt_epi8(load(i), limit));
      const __m128i sums = _mm_sad_epu8(counts, zero);
      chars += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
               static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    }
    if (i < n) {
      // The last sixteen bytes, less the ones counted already: lanes from 16 - (n - i) on.
      static constexpr unsigned char kTail[32] = {0,    0,    0,    0,    0,    0,    0,    0,
                                                  0,    0,    0,    0,    0,    0,    0,    0,
                                                  0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
                                                  0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff};
      const __m128i x = load(n - 16);
      const __m128i lanes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kTail + (n - i)));
      const __m128i hits = _mm_and_si128(_mm_cmpgt_epi8(x, limit), lanes);
      const __m128i sums = _mm_sad_epu8(_mm_sub_epi8(zero, hits), zero);
      chars += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
               static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    }
    return chars;
  }
  // Shorter texts (a pass's kept stretches and changed characters are mostly a few bytes):
  // two words that may overlap, the overlap counted once, instead of a byte at a time.
  if (n >= 4) {
    std::uint64_t head = 0, tail = 0;
    std::size_t overlap;  // bytes of the tail inside the head
    if (n > 8) {
      std::memcpy(&head, p, 8);
      std::memcpy(&tail, p + n - 8, 8);
      if constexpr (kCopy) {
        std::memcpy(out, &head, 8);
        std::memcpy(out + n - 8, &tail, 8);
      }
      overlap = 16 - n;
    } else {
      std::memcpy(&head, p, 4);
      std::memcpy(&tail, p + n - 4, 4);
      if constexpr (kCopy) {
        std::memcpy(out, &head, 4);
        std::memcpy(out + n - 4, &tail, 4);
      }
      overlap = 8 - n;
    }
    // Little-endian (every SSE2 machine): the overlap is the tail's low bytes. At most seven
    // bytes of a word of eight, four of a word of four: the shift stays within the word.
    tail >>= 8 * overlap;
    auto continuation = [](std::uint64_t x) {
      const std::uint64_t flags = (x & ~(x << 1) & 0x8080808080808080ull) >> 7;
      return static_cast<std::size_t>((flags * 0x0101010101010101ull) >> 56);
    };
    return n - continuation(head) - continuation(tail);
  }
#endif
  if constexpr (kCopy) {
    if (n >= 4) {
      std::memcpy(out, p, n);
    } else if (n >= 2) {  // two pairs that may overlap, without a call
      std::memcpy(out, p, 2);
      std::memcpy(out + n - 2, p + n - 2, 2);
    } else if (n == 1) {
      out[0] = p[0];
    }
  }
  std::size_t continuation = 0, i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t x;
    std::memcpy(&x, p + i, 8);
    // Bit 7 set and bit 6 clear, byte by byte; the multiply sums the eight flags.
    const std::uint64_t flags = (x & ~(x << 1) & 0x8080808080808080ull) >> 7;
    continuation += static_cast<std::size_t>((flags * 0x0101010101010101ull) >> 56);
  }
  for (; i < n; ++i) continuation += is_continuation(static_cast<unsigned char>(p[i]));
  return n - continuation;
}

// Number of characters (Unicode scalar values) in s: the bytes that are not continuation
// bytes (10xxxxxx), counted sixteen at a time where SSE2 exists, else eight at a time.
inline std::size_t count_chars(std::string_view s) { return count_chars_into<false>(s, nullptr); }

// The same, copying s to `out` (room for s.size() bytes, none written past them) as it
// counts: a pass's kept stretch is read once, not once to count and once to copy.
inline std::size_t count_chars_copying(std::string_view s, char* out) {
  return count_chars_into<true>(s, out);
}

// True when byte offset i of s starts a character or is the end of s.
inline bool is_boundary(std::string_view s, std::size_t i) {
  return i == s.size() || (i < s.size() && !is_continuation(static_cast<unsigned char>(s[i])));
}

// Bytes of UTF-8 for a text given as code points (the units of a str's storage), or nothing for
// a surrogate, which UTF-8 cannot hold.
template <class Char>
std::optional<std::size_t> encoded_size(const Char* chars, std::size_t length) {
  std::size_t size = 0;
  for (std::size_t i = 0; i < length; ++i) {
    const std::uint32_t c = chars[i];
    if (c >= 0xD800 && c <= 0xDFFF) return std::nullopt;
    size += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  }
  return size;
}

// Writes the UTF-8 of the code points at out, which has room for it (exactly, or more); the
// number of bytes, or nothing for a surrogate. Eight at a time where SSE2 exists
// (utf8_encode.cpp); for code points held as std::uint8_t, std::uint16_t, std::uint32_t and
// char32_t. spare_room: bytes the caller leaves writable past the room for the longest
// encoding; with kEncodeSpareRoom of them the last characters of a text go in a block too.
inline constexpr std::size_t kEncodeSpareRoom = 32;
template <class Char>
std::optional<std::size_t> encode(const Char* chars, std::size_t length, char* out,
                                  std::size_t spare_room = 0);

// The characters of pieces of valid UTF-8 and the widest of them, as the storage of a text of
// code points needs them: ASCII (0x7F), Latin-1 (0xFF), two bytes (0xFFFF) or four (0x10FFFF).
struct Measure {
  std::size_t chars = 0;
  char32_t widest = 0;

  void add(std::string_view s) {
    chars += count_chars(s);
    unsigned char top = 0;
    for (const char ch : s) top = std::max(top, static_cast<unsigned char>(ch));
    // The largest lead byte bounds the code points exactly enough to choose the storage.
    const char32_t w = top < 0x80 ? 0x7F : top < 0xC4 ? 0xFF : top < 0xF0 ? 0xFFFF : 0x10FFFF;
    widest = std::max(widest, w);
  }
};

// Where the last whole character of a piece of UTF-8 ends: pieces may end inside a character.
inline std::size_t whole_characters(std::string_view s) {
  std::size_t lead = s.size();
  while (lead > 0 && is_continuation(static_cast<unsigned char>(s[lead - 1]))) --lead;
  if (lead == 0) return s.size();
  --lead;
  return s.size() - lead >= seq_len(static_cast<unsigned char>(s[lead])) ? s.size() : lead;
}

// Decodes pieces of UTF-8, each made of whole characters, into a buffer of code units; false
// when a piece does not fit or ends inside a character.
template <class Unit>
struct Fill {
  Unit* at;
  Unit* end;

  bool add(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
      if (at == end || i + seq_len(static_cast<unsigned char>(s[i])) > s.size()) return false;
      *at++ = static_cast<Unit>(decode(s, i));
    }
    return true;
  }
};

}  // namespace norvane::utf8
