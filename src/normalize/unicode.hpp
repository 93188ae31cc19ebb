#pragma once
// Character tests shared by the normalization passes.
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#define NORVANE_WIDE_FIND 1
#endif

#include "span/cpu_features.hpp"
#include "span/utf8.hpp"

namespace norvane::unicode {

// Unicode White_Space.
constexpr bool is_white_space(char32_t c) {
  if (c <= 0x20) return c == 0x20 || (c >= 0x09 && c <= 0x0D);
  if (c < 0x85) return false;
  return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
         c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// ASCII byte tests, shared by the readings of keys, labels, e-mails and month names.
constexpr bool is_ascii_digit(unsigned char c) { return c >= '0' && c <= '9'; }
constexpr bool is_ascii_upper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool is_ascii_lower(unsigned char c) { return c >= 'a' && c <= 'z'; }
constexpr bool is_ascii_letter(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
// A byte with an ASCII capital lowered, through a table: label tries lower a byte of the text at
// every comparison.
inline constexpr std::array<unsigned char, 256> kAsciiLower = [] {
  std::array<unsigned char, 256> t{};
  for (int c = 0; c < 256; ++c)
    t[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c | 0x20 : c);
  return t;
}();
constexpr unsigned char ascii_lower(unsigned char c) { return kAsciiLower[c]; }

// A small set of byte values that a pass looks for: one range and up to four single bytes.
struct ByteSet {
  unsigned char first = 1, last = 0;  // the range; empty when first > last
  std::array<unsigned char, 6> singles{};
  std::size_t count = 0;  // singles in use

  constexpr bool has(unsigned char b) const {
    if (b >= first && b <= last) return true;
    for (std::size_t k = 0; k < count; ++k)
      if (singles[k] == b) return true;
    return false;
  }
};

// Digits and the masked-digit marks "*", "X", "x"; all ASCII, so also a set of bytes.
inline constexpr ByteSet kDigitLikeBytes{'0', '9', {'*', 'X', 'x'}, 3};
inline constexpr ByteSet kAsciiDigitBytes{'0', '9', {}, 0};
constexpr bool is_digit_like(char32_t c) {
  return c < 0x80 && kDigitLikeBytes.has(static_cast<unsigned char>(c));
}

// Decodes the character that ends at byte offset i (i > 0) and moves i to its start.
inline char32_t decode_before(std::string_view s, std::size_t& i) {
  std::size_t j = i - 1;
  while (j > 0 && utf8::is_continuation(static_cast<unsigned char>(s[j]))) --j;
  std::size_t k = j;
  char32_t cp = utf8::decode(s, k);
  i = j;
  return cp;
}

// Whether the bytes at `at` spell `word`, given in lower case, in either case of ASCII (keys
// and keywords such as VALUES, <TR>).
inline bool word_at_any_case(std::string_view s, std::size_t at, std::string_view word) {
  if (at > s.size() || word.size() > s.size() - at) return false;
  for (std::size_t k = 0; k < word.size(); ++k)
    if ((s[at + k] | 0x20) != word[k]) return false;
  return true;
}

inline constexpr char32_t kSyllableFirst = 0xAC00;
inline constexpr char32_t kSyllableCount = 11172;

// Index of the precomposed Hangul syllable at byte offset i (cp - U+AC00), or -1.
// Every syllable is three bytes, EA B0 80 to ED 9E A3.
inline int syllable_at(std::string_view s, std::size_t i) {
  if (i + 2 >= s.size()) return -1;
  auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0xEA || b0 > 0xED) return -1;
  char32_t cp = (char32_t{b0 & 0x0Fu} << 12) |
                (char32_t{static_cast<unsigned char>(s[i + 1]) & 0x3Fu} << 6) |
                (static_cast<unsigned char>(s[i + 2]) & 0x3Fu);
  if (cp < kSyllableFirst || cp >= kSyllableFirst + kSyllableCount) return -1;
  return static_cast<int>(cp - kSyllableFirst);
}

namespace detail {

template <const ByteSet& Set>
inline constexpr auto kByteTable = [] {
  std::array<bool, 256> t{};
  for (int b = 0; b < 256; ++b) t[b] = Set.has(static_cast<unsigned char>(b));
  return t;
}();

#if defined(__SSE2__)
// Bit k set when byte k of the sixteen at p is in Set.
template <const ByteSet& Set>
inline unsigned block_mask(const char* p) {
  const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  __m128i hit = _mm_setzero_si128();
  if constexpr (Set.first <= Set.last) {
    // x - first <= last - first, unsigned: min(d, last - first) == d.
    const __m128i d = _mm_sub_epi8(x, _mm_set1_epi8(static_cast<char>(Set.first)));
    const __m128i span = _mm_set1_epi8(static_cast<char>(Set.last - Set.first));
    hit = _mm_cmpeq_epi8(_mm_min_epu8(d, span), d);
  }
  for (std::size_t k = 0; k < Set.count; ++k)
    hit = _mm_or_si128(hit, _mm_cmpeq_epi8(x, _mm_set1_epi8(static_cast<char>(Set.singles[k]))));
  return static_cast<unsigned>(_mm_movemask_epi8(hit));
}

// Bit k set when byte from + k of the n at p is in Set, for the bytes from `from` to the end
// (n >= 16, n - 16 < from < n): the block that ends with the text, moved down. Short texts would
// otherwise read most of their bytes one at a time.
template <const ByteSet& Set>
inline unsigned tail_mask(const char* p, std::size_t n, std::size_t from) {
  return block_mask<Set>(p + n - 16) >> (from - (n - 16));
}
#endif

#ifdef NORVANE_WIDE_FIND
// Bit k set when byte k of the thirty-two at p is in Set.
template <const ByteSet& Set>
[[gnu::target("avx2"), gnu::always_inline]] inline unsigned block_mask32(const char* p) {
  const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  __m256i hit = _mm256_setzero_si256();
  if constexpr (Set.first <= Set.last) {
    const __m256i d = _mm256_sub_epi8(x, _mm256_set1_epi8(static_cast<char>(Set.first)));
    const __m256i span = _mm256_set1_epi8(static_cast<char>(Set.last - Set.first));
    hit = _mm256_cmpeq_epi8(_mm256_min_epu8(d, span), d);
  }
  for (std::size_t k = 0; k < Set.count; ++k)
    hit = _mm256_or_si256(
        hit, _mm256_cmpeq_epi8(x, _mm256_set1_epi8(static_cast<char>(Set.singles[k]))));
  return static_cast<unsigned>(_mm256_movemask_epi8(hit));
}

// find_byte from i on, thirty-two bytes a step (n - i >= 32); the last step overlaps the one
// before, as the text's last bytes.
template <const ByteSet& Set>
[[gnu::target("avx2"), gnu::noinline]] std::size_t find_byte_wide(const char* p, std::size_t n,
                                                                  std::size_t i) {
  for (; i + 32 <= n; i += 32) {
    const unsigned mask = block_mask32<Set>(p + i);
    if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(mask));
  }
  if (i >= n) return n;
  const unsigned mask = block_mask32<Set>(p + n - 32) >> (i - (n - 32));
  return mask != 0 ? i + static_cast<std::size_t>(__builtin_ctz(mask)) : n;
}

// The bytes left after a first block for which the wide steps pay for their call.
inline constexpr std::size_t kWideFindFrom = 48;
#endif

}  // namespace detail

// The first offset at or after `from` whose byte is in Set, or s.size(). Most texts hold few
// such bytes, so blocks of sixteen are ruled out at once where SSE2 exists.
template <const ByteSet& Set>
inline std::size_t find_byte(std::string_view s, std::size_t from) {
  const char* p = s.data();
  const std::size_t n = s.size();
  std::size_t i = from;
#if defined(__SSE2__)
  // The first block inline: in dense text most finds end there.
  if (i + 16 <= n) {
    const unsigned mask = detail::block_mask<Set>(p + i);
    if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(mask));
    i += 16;
#ifdef NORVANE_WIDE_FIND
    // A whole short text's scan halves its steps where the processor has AVX2.
    if (n - i >= detail::kWideFindFrom && cpu::has_avx2())
      return detail::find_byte_wide<Set>(p, n, i);
#endif
  }
  for (; i + 16 <= n; i += 16) {
    const unsigned mask = detail::block_mask<Set>(p + i);
    if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(mask));
  }
  if (i < n && n >= 16) {
    const unsigned mask = detail::tail_mask<Set>(p, n, i);
    return mask != 0 ? i + static_cast<std::size_t>(__builtin_ctz(mask)) : n;
  }
#endif
  while (i < n && !detail::kByteTable<Set>[static_cast<unsigned char>(p[i])]) ++i;
  return i;
}

// The first offset at or after `from` whose byte is not in Set, or s.size().
template <const ByteSet& Set>
inline std::size_t skip_bytes(std::string_view s, std::size_t from) {
  const char* p = s.data();
  const std::size_t n = s.size();
  std::size_t i = from;
#if defined(__SSE2__)
  for (; i + 16 <= n; i += 16) {
    const unsigned mask = ~detail::block_mask<Set>(p + i) & 0xFFFFu;
    if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(mask));
  }
  if (i < n && n >= 16) {
    const unsigned mask = ~detail::tail_mask<Set>(p, n, i) & ((1u << (n - i)) - 1);
    return mask != 0 ? i + static_cast<std::size_t>(__builtin_ctz(mask)) : n;
  }
#endif
  while (i < n && detail::kByteTable<Set>[static_cast<unsigned char>(p[i])]) ++i;
  return i;
}

// Bit k set when byte base + k of s is in Set, for the sixteen bytes from base (fewer at the
// end of s).
template <const ByteSet& Set>
inline unsigned block_mask(std::string_view s, std::size_t base) {
#if defined(__SSE2__)
  if (base + 16 <= s.size()) return detail::block_mask<Set>(s.data() + base);
  if (base < s.size() && s.size() >= 16) return detail::tail_mask<Set>(s.data(), s.size(), base);
#endif
  unsigned mask = 0;
  const std::size_t end = std::min(s.size(), base + 16);
  for (std::size_t k = base; k < end; ++k)
    if (detail::kByteTable<Set>[static_cast<unsigned char>(s[k])]) mask |= 1u << (k - base);
  return mask;
}

// How many bytes of s are in Set, sixteen at a time: lines before a value are read whole, and
// log lines are long.
template <const ByteSet& Set>
inline std::size_t count_bytes(std::string_view s) {
  std::size_t count = 0;
  for (std::size_t base = 0; base < s.size(); base += 16)
    count += static_cast<std::size_t>(std::popcount(block_mask<Set>(s, base)));
  return count;
}

inline std::size_t count_ascii_digits(std::string_view s) {
  return count_bytes<kAsciiDigitBytes>(s);
}

// A lead byte from C0 on outside EA..ED: a character that is neither ASCII nor a Hangul
// syllable (nor any other character led by EA..ED).
constexpr bool leads_other_than_hangul(unsigned char b) {
  return b >= 0xC0 && (b < 0xEA || b > 0xED);
}
template <const ByteSet& Set>
constexpr bool in_set(unsigned char b) {
  return Set.has(b);
}
using ByteClass = bool (*)(unsigned char);

namespace detail {

// Up to eight bits by a byte's high nibble and by its low nibble, whose AND is not zero exactly
// for the bytes of each class: a class's bytes of one high nibble share a bit with those of
// other high nibbles whose low nibbles are the same.
template <std::size_t K>
struct NibbleClasses {
  std::array<std::uint8_t, 16> high{}, low{};
  std::array<std::uint8_t, K> bits{};  // each class's bits
};
template <ByteClass... Classes>
constexpr NibbleClasses<sizeof...(Classes)> nibble_classes() {
  constexpr std::size_t K = sizeof...(Classes);
  const ByteClass classes[K] = {Classes...};
  NibbleClasses<K> t;
  struct Pattern {
    std::size_t cls;
    unsigned lows;
  };
  std::array<Pattern, 8> patterns{};
  std::size_t used = 0;
  for (std::size_t k = 0; k < K; ++k) {
    for (unsigned h = 0; h < 16; ++h) {
      unsigned lows = 0;
      for (unsigned l = 0; l < 16; ++l)
        if (classes[k](static_cast<unsigned char>(h << 4 | l))) lows |= 1u << l;
      if (lows == 0) continue;
      std::size_t p = 0;
      while (p < used && !(patterns[p].cls == k && patterns[p].lows == lows)) ++p;
      if (p == used) {
        if (used == patterns.size()) throw "more than eight nibble patterns";
        patterns[used++] = Pattern{k, lows};
        for (unsigned l = 0; l < 16; ++l)
          if (lows >> l & 1) t.low[l] |= static_cast<std::uint8_t>(1u << p);
      }
      t.high[h] |= static_cast<std::uint8_t>(1u << p);
      t.bits[k] |= static_cast<std::uint8_t>(1u << p);
    }
  }
  return t;
}
template <ByteClass... Classes>
inline constexpr auto kNibbleClasses = nibble_classes<Classes...>();

// The table bits of every byte, for machines without AVX2's byte shuffle.
template <ByteClass... Classes>
inline constexpr auto kClassBits = [] {
  constexpr auto& t = kNibbleClasses<Classes...>;
  std::array<std::uint8_t, 256> bits{};
  for (unsigned b = 0; b < 256; ++b) bits[b] = t.high[b >> 4] & t.low[b & 15];
  return bits;
}();

// Bit k set when the table bits `found` hold the k-th class.
template <ByteClass... Classes>
constexpr unsigned classes_found(unsigned found) {
  constexpr auto& t = kNibbleClasses<Classes...>;
  unsigned held = 0;
  for (std::size_t k = 0; k < sizeof...(Classes); ++k)
    if (found & t.bits[k]) held |= 1u << k;
  return held;
}

#ifdef NORVANE_WIDE_FIND
// The table bits of the thirty-two bytes at p, each byte's two nibbles looked up at once.
[[gnu::target("avx2"), gnu::always_inline]] inline __m256i class_bits32(const char* p,
                                                                      __m256i high, __m256i low) {
  const __m256i nibble = _mm256_set1_epi8(0x0F);
  const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  const __m256i h = _mm256_shuffle_epi8(high, _mm256_and_si256(_mm256_srli_epi16(x, 4), nibble));
  return _mm256_and_si256(h, _mm256_shuffle_epi8(low, _mm256_and_si256(x, nibble)));
}

// The bits set in any byte of v.
[[gnu::target("avx2"), gnu::always_inline]] inline unsigned any_byte_bits(__m256i v) {
  __m128i x = _mm_or_si128(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
  x = _mm_or_si128(x, _mm_srli_si128(x, 8));
  x = _mm_or_si128(x, _mm_srli_si128(x, 4));
  x = _mm_or_si128(x, _mm_srli_si128(x, 2));
  x = _mm_or_si128(x, _mm_srli_si128(x, 1));
  return static_cast<unsigned>(_mm_cvtsi128_si32(x)) & 0xFFu;
}

// The table bits of all bytes of s (n >= 32), thirty-two a step; the last step overlaps the
// one before. A long text's read stops once every class has been found: one class is looked
// for at every step, several every 256 bytes (a short text is read whole).
template <ByteClass... Classes>
[[gnu::target("avx2"), gnu::noinline]] unsigned class_bits_wide(const char* p, std::size_t n) {
  constexpr auto& t = kNibbleClasses<Classes...>;
  constexpr unsigned kAll = [] {
    unsigned all = 0;
    for (auto b : kNibbleClasses<Classes...>.bits) all |= b;
    return all;
  }();
  const __m256i high = _mm256_broadcastsi128_si256(
      _mm_loadu_si128(reinterpret_cast<const __m128i*>(t.high.data())));
  const __m256i low = _mm256_broadcastsi128_si256(
      _mm_loadu_si128(reinterpret_cast<const __m128i*>(t.low.data())));
  __m256i found = _mm256_setzero_si256();
  for (std::size_t i = 0; i + 32 < n; i += 32) {
    found = _mm256_or_si256(found, class_bits32(p + i, high, low));
    if constexpr (sizeof...(Classes) == 1) {
      if (!_mm256_testz_si256(found, found)) return kAll;
    } else if ((i & 224) == 224 && any_byte_bits(found) == kAll) {
      return kAll;
    }
  }
  return any_byte_bits(_mm256_or_si256(found, class_bits32(p + n - 32, high, low)));
}
#endif

}  // namespace detail

// Which of the byte classes s holds (bit k for the k-th), in one read of s: a pass whose trigger
// bytes a text lacks is not called.
template <ByteClass... Classes>
inline unsigned holds(std::string_view s) {
  const char* p = s.data();
  const std::size_t n = s.size();
#ifdef NORVANE_WIDE_FIND
  if (n >= 32 && cpu::has_avx2())
    return detail::classes_found<Classes...>(detail::class_bits_wide<Classes...>(p, n));
#endif
  unsigned found = 0;
  for (std::size_t i = 0; i < n; ++i)
    found |= detail::kClassBits<Classes...>[static_cast<unsigned char>(p[i])];
  return detail::classes_found<Classes...>(found);
}

// Whether s holds a character that is neither ASCII nor led by a byte from EA to ED (the leads
// of the Hangul syllables). Most Korean text holds none.
inline bool holds_other_than_ascii_and_hangul(std::string_view s) {
  return holds<leads_other_than_hangul>(s) != 0;
}

}  // namespace norvane::unicode
