// utf8::encode: code points to UTF-8, eight at a time where SSE2 exists (the common shapes of
// Korean text, one- and three-byte characters, in sixteen-bit lanes), sixteen at a time in a
// two- or four-byte str where AVX2 does (a two-byte str's last few too, given spare room), one
// at a time elsewhere.
#include <cstdint>
#include <cstring>

#include "span/cpu_features.hpp"
#include "span/utf8.hpp"

#if defined(__SSE2__) && defined(__x86_64__)
#include <emmintrin.h>
#include <immintrin.h>

#include <array>
#define NORVANE_UTF8_ENCODE_SSE2 1
#endif

namespace norvane::utf8 {

namespace {

// Writes the UTF-8 of one character at p; false for a surrogate.
inline bool put_char(std::uint32_t c, char*& p) {
  if (c < 0x80) {
    *p++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *p++ = static_cast<char>(0xC0 | (c >> 6));
    *p++ = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    if (c >= 0xD800 && c <= 0xDFFF) return false;
    *p++ = static_cast<char>(0xE0 | (c >> 12));
    *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *p++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *p++ = static_cast<char>(0xF0 | (c >> 18));
    *p++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *p++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return true;
}

#ifdef NORVANE_UTF8_ENCODE_SSE2

inline __m128i select(__m128i mask, __m128i yes, __m128i no) {
  return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

// The low eight bytes of v: the lengths of eight characters.
inline std::uint64_t length_bytes(__m128i v) {
  return static_cast<std::uint64_t>(_mm_cvtsi128_si64(v));
}

// Eight characters' UTF-8, each in the low bytes of its word, with their lengths a byte each:
// each word is stored whole and p moves on by its length, so up to three bytes past the end are
// written (the caller leaves room for them).
inline void put_words(const std::uint32_t* word, std::uint64_t lengths, char*& p) {
  for (int k = 0; k < 8; ++k) {
    std::memcpy(p, &word[k], 4);
    p += lengths & 0xFF;
    lengths >>= 8;
  }
}

// Four code points, one a 32-bit lane: the UTF-8 of each in its lane's low bytes (first byte
// lowest) and its length. Longest says how long a character of the str can be.
template <int Longest>
inline void utf8_lanes(__m128i c, __m128i& bytes, __m128i& lengths) {
  const __m128i low6 = _mm_set1_epi32(0x3F);
  const __m128i marker = _mm_set1_epi32(0x80);
  // The continuation byte that carries bits shift .. shift + 5.
  auto continuation = [&](int shift) {
    return _mm_or_si128(_mm_and_si128(_mm_srli_epi32(c, shift), low6), marker);
  };
  const __m128i ascii = _mm_cmplt_epi32(c, marker);
  __m128i out = _mm_or_si128(_mm_or_si128(_mm_set1_epi32(0xC0), _mm_srli_epi32(c, 6)),
                             _mm_slli_epi32(continuation(0), 8));
  __m128i length = _mm_set1_epi32(2);
  if constexpr (Longest >= 3) {
    const __m128i three = _mm_cmpgt_epi32(c, _mm_set1_epi32(0x7FF));
    const __m128i first = _mm_or_si128(_mm_set1_epi32(0xE0), _mm_srli_epi32(c, 12));
    const __m128i rest =
        _mm_or_si128(_mm_slli_epi32(continuation(6), 8), _mm_slli_epi32(continuation(0), 16));
    out = select(three, _mm_or_si128(first, rest), out);
    length = _mm_sub_epi32(length, three);  // a mask lane is -1
  }
  if constexpr (Longest >= 4) {
    const __m128i four = _mm_cmpgt_epi32(c, _mm_set1_epi32(0xFFFF));
    const __m128i first = _mm_or_si128(_mm_set1_epi32(0xF0), _mm_srli_epi32(c, 18));
    const __m128i rest = _mm_or_si128(
        _mm_or_si128(_mm_slli_epi32(continuation(12), 8), _mm_slli_epi32(continuation(6), 16)),
        _mm_slli_epi32(continuation(0), 24));
    out = select(four, _mm_or_si128(first, rest), out);
    length = _mm_sub_epi32(length, four);
  }
  bytes = select(ascii, c, out);
  lengths = _mm_add_epi32(length, ascii);
}

// Writes the UTF-8 of eight characters, given as two groups of four lanes, at p (see put_words).
template <int Longest>
inline void put_lanes(__m128i low, __m128i high, char*& p) {
  __m128i bytes[2], lengths[2];
  utf8_lanes<Longest>(low, bytes[0], lengths[0]);
  utf8_lanes<Longest>(high, bytes[1], lengths[1]);
  alignas(16) std::uint32_t word[8];
  _mm_store_si128(reinterpret_cast<__m128i*>(word), bytes[0]);
  _mm_store_si128(reinterpret_cast<__m128i*>(word + 4), bytes[1]);
  const __m128i packed = _mm_packs_epi32(lengths[0], lengths[1]);
  put_words(word, length_bytes(_mm_packus_epi16(packed, packed)), p);
}

// Eight characters from chars at p: false (nothing written) for a surrogate.
inline bool put_eight_latin1(const std::uint8_t* chars, char*& p) {
  const __m128i x = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(chars));
  if (_mm_movemask_epi8(x) == 0) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), x);
    p += 8;
    return true;
  }
  const __m128i wide = _mm_unpacklo_epi8(x, _mm_setzero_si128());
  put_lanes<2>(_mm_unpacklo_epi16(wide, _mm_setzero_si128()),
               _mm_unpackhi_epi16(wide, _mm_setzero_si128()), p);
  return true;
}

// SSSE3's byte shuffle, written out: the block helpers serve processors without it too, where
// the compiler would refuse the intrinsic. Called only where kHasShuffle holds.
inline __m128i shuffle_bytes(__m128i x, __m128i order) {
  asm("pshufb %1, %0" : "+x"(x) : "xm"(order));
  return x;
}

// For each set of ASCII lanes among four characters of one or three bytes (bit k: lane k), the
// shuffle that packs their UTF-8 out of four 32-bit lanes (bytes 0..2 of a lane, or byte 0 alone
// for ASCII) and its length.
struct Packing {
  alignas(16) std::array<std::uint8_t, 16> shuffle;
  std::uint32_t length;
};
constexpr auto kPackings = [] {
  std::array<Packing, 16> t{};
  for (unsigned ascii = 0; ascii < 16; ++ascii) {
    Packing& e = t[ascii];
    e.shuffle.fill(0x80);  // zero
    std::uint32_t at = 0;
    for (unsigned lane = 0; lane < 4; ++lane) {
      const unsigned bytes = (ascii >> lane) & 1 ? 1 : 3;
      for (unsigned b = 0; b < bytes; ++b)
        e.shuffle[at++] = static_cast<std::uint8_t>(4 * lane + b);
    }
    e.length = at;
  }
  return t;
}();

// Eight characters of one or three bytes each, in 16-bit lanes (ascii: the lanes below 0x80), the
// case of Korean text: the three bytes of each are made eight at a time. With Shuffle (SSSE3) each
// four are packed by one byte shuffle and stored as sixteen bytes, so up to twelve bytes past the
// end are written; without, up to three (see put_words).
template <bool Shuffle>
[[gnu::always_inline]] inline void put_one_or_three(__m128i x, __m128i ascii, char*& p) {
  const __m128i low6 = _mm_set1_epi16(0x3F), marker = _mm_set1_epi16(0x80);
  const __m128i first = _mm_or_si128(_mm_srli_epi16(x, 12), _mm_set1_epi16(0xE0));
  const __m128i second = _mm_or_si128(_mm_and_si128(_mm_srli_epi16(x, 6), low6), marker);
  const __m128i third = _mm_or_si128(_mm_and_si128(x, low6), marker);
  const __m128i lead = select(ascii, x, _mm_or_si128(first, _mm_slli_epi16(second, 8)));
  const __m128i low = _mm_unpacklo_epi16(lead, third), high = _mm_unpackhi_epi16(lead, third);
  if constexpr (Shuffle) {
    const auto lanes = static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(ascii, ascii)));
    const Packing& a = kPackings[lanes & 0xF];
    const Packing& b = kPackings[(lanes >> 4) & 0xF];
    _mm_storeu_si128(
        reinterpret_cast<__m128i*>(p),
        shuffle_bytes(low, _mm_load_si128(reinterpret_cast<const __m128i*>(a.shuffle.data()))));
    p += a.length;
    _mm_storeu_si128(
        reinterpret_cast<__m128i*>(p),
        shuffle_bytes(high, _mm_load_si128(reinterpret_cast<const __m128i*>(b.shuffle.data()))));
    p += b.length;
  } else {
    alignas(16) std::uint32_t word[8];
    _mm_store_si128(reinterpret_cast<__m128i*>(word), low);
    _mm_store_si128(reinterpret_cast<__m128i*>(word + 4), high);
    // 3 bytes, or 1 where ascii is -1.
    const __m128i length = _mm_add_epi16(_mm_set1_epi16(3), _mm_add_epi16(ascii, ascii));
    put_words(word, length_bytes(_mm_packus_epi16(length, length)), p);
  }
}

// Eight characters of a two-byte str in 16-bit lanes: false (nothing written) for a surrogate.
template <bool Shuffle>
[[gnu::always_inline]] inline bool put_eight_lanes16(__m128i x, char*& p) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i ascii = _mm_cmpeq_epi16(_mm_and_si128(x, _mm_set1_epi16(-0x80)), zero);
  if (_mm_movemask_epi8(ascii) == 0xFFFF) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(x, x));
    p += 8;
    return true;
  }
  const __m128i top5 = _mm_and_si128(x, _mm_set1_epi16(-0x800));
  const __m128i two = _mm_andnot_si128(ascii, _mm_cmpeq_epi16(top5, zero));
  const __m128i surrogate = _mm_cmpeq_epi16(top5, _mm_set1_epi16(static_cast<short>(0xD800)));
  if (_mm_movemask_epi8(_mm_or_si128(two, surrogate)) == 0) {
    put_one_or_three<Shuffle>(x, ascii, p);
    return true;
  }
  if (_mm_movemask_epi8(surrogate) != 0) return false;
  put_lanes<3>(_mm_unpacklo_epi16(x, zero), _mm_unpackhi_epi16(x, zero), p);
  return true;
}

template <bool Shuffle>
[[gnu::always_inline]] inline bool put_eight(const std::uint16_t* chars, char*& p) {
  return put_eight_lanes16<Shuffle>(_mm_loadu_si128(reinterpret_cast<const __m128i*>(chars)), p);
}

template <bool Shuffle>
[[gnu::always_inline]] inline bool put_eight(const std::uint32_t* chars, char*& p) {
  const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars));
  const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + 4));
  const __m128i beyond_16_bits = _mm_set1_epi32(-0x10000);
  if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(_mm_or_si128(low, high), beyond_16_bits),
                                        _mm_setzero_si128())) == 0xFFFF) {
    // Every character fits sixteen bits, as in a two-byte str (a signed pack, shifted to fit).
    const __m128i shift32 = _mm_set1_epi32(0x8000);
    const __m128i packed =
        _mm_packs_epi32(_mm_sub_epi32(low, shift32), _mm_sub_epi32(high, shift32));
    return put_eight_lanes16<Shuffle>(_mm_add_epi16(packed, _mm_set1_epi16(-0x8000)), p);
  }
  const __m128i mask = _mm_set1_epi32(-0x800), d800 = _mm_set1_epi32(0xD800);
  const __m128i surrogate = _mm_or_si128(_mm_cmpeq_epi32(_mm_and_si128(low, mask), d800),
                                         _mm_cmpeq_epi32(_mm_and_si128(high, mask), d800));
  if (_mm_movemask_epi8(surrogate) != 0) return false;
  put_lanes<4>(low, high, p);
  return true;
}

template <bool Shuffle>
[[gnu::always_inline]] inline bool put_eight(const char32_t* chars, char*& p) {
  return put_eight<Shuffle>(reinterpret_cast<const std::uint32_t*>(chars), p);  // vector loads only
}

template <bool Shuffle>
[[gnu::always_inline]] inline bool put_eight(const std::uint8_t* chars, char*& p) {
  return put_eight_latin1(chars, p);
}

// Blocks of eight from chars[i] on while `margin` characters are left after a block (each at
// least a byte: room for what a block writes past its end); false for a surrogate.
template <bool Shuffle, class Char>
[[gnu::always_inline]] inline bool put_blocks(const Char* chars, std::size_t length,
                                              std::size_t margin, std::size_t& i, char*& p) {
  for (; i + 8 + margin <= length; i += 8)
    if (!put_eight<Shuffle>(chars + i, p)) return false;
  return true;
}

// The shuffle of the packing for four characters, loaded into a register's two halves: `low`'s
// for the lower half, `high`'s for the upper.
[[gnu::target("avx2")]] inline __m256i packing_orders(const Packing& low, const Packing& high) {
  const __m128i l = _mm_load_si128(reinterpret_cast<const __m128i*>(low.shuffle.data()));
  const __m128i h = _mm_load_si128(reinterpret_cast<const __m128i*>(high.shuffle.data()));
  return _mm256_inserti128_si256(_mm256_castsi128_si256(l), h, 1);
}

// Sixteen characters of a two-byte str at p, as put_eight_lanes16 writes eight: false (nothing
// or part written) for a surrogate. Korean text's one- and three-byte characters are made
// sixteen at a time; a block with two-byte characters or a surrogate goes by halves. Up to
// twelve bytes past the end are written.
[[gnu::target("avx2")]] inline bool put_sixteen(__m256i x, char*& p) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i ascii = _mm256_cmpeq_epi16(_mm256_and_si256(x, _mm256_set1_epi16(-0x80)), zero);
  if (static_cast<unsigned>(_mm256_movemask_epi8(ascii)) == 0xFFFFFFFFu) {
    // Each half's eight bytes twice; their first copies side by side.
    const __m256i packed = _mm256_permute4x64_epi64(_mm256_packus_epi16(x, x), 0x08);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(packed));
    p += 16;
    return true;
  }
  const __m256i top5 = _mm256_and_si256(x, _mm256_set1_epi16(-0x800));
  const __m256i other = _mm256_or_si256(
      _mm256_andnot_si256(ascii, _mm256_cmpeq_epi16(top5, zero)),
      _mm256_cmpeq_epi16(top5, _mm256_set1_epi16(static_cast<short>(0xD800))));
  if (!_mm256_testz_si256(other, other))
    return put_eight_lanes16<true>(_mm256_castsi256_si128(x), p) &&
           put_eight_lanes16<true>(_mm256_extracti128_si256(x, 1), p);
  const __m256i low6 = _mm256_set1_epi16(0x3F), marker = _mm256_set1_epi16(0x80);
  const __m256i first = _mm256_or_si256(_mm256_srli_epi16(x, 12), _mm256_set1_epi16(0xE0));
  const __m256i second =
      _mm256_or_si256(_mm256_and_si256(_mm256_srli_epi16(x, 6), low6), marker);
  const __m256i third = _mm256_or_si256(_mm256_and_si256(x, low6), marker);
  const __m256i lead =
      _mm256_blendv_epi8(_mm256_or_si256(first, _mm256_slli_epi16(second, 8)), x, ascii);
  // By halves of the register: characters 0-3 and 8-11, then 4-7 and 12-15.
  const __m256i low = _mm256_unpacklo_epi16(lead, third);
  const __m256i high = _mm256_unpackhi_epi16(lead, third);
  // Bits 0-7: characters 0-7 ASCII; bits 16-23: characters 8-15.
  const auto lanes =
      static_cast<unsigned>(_mm256_movemask_epi8(_mm256_packs_epi16(ascii, ascii)));
  const Packing& a = kPackings[lanes & 0xF];
  const Packing& b = kPackings[(lanes >> 4) & 0xF];
  const Packing& c = kPackings[(lanes >> 16) & 0xF];
  const Packing& d = kPackings[(lanes >> 20) & 0xF];
  const __m256i low_bytes = _mm256_shuffle_epi8(low, packing_orders(a, c));
  const __m256i high_bytes = _mm256_shuffle_epi8(high, packing_orders(b, d));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(low_bytes));
  p += a.length;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(high_bytes));
  p += b.length;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_extracti128_si256(low_bytes, 1));
  p += c.length;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_extracti128_si256(high_bytes, 1));
  p += d.length;
  return true;
}

[[gnu::target("avx2")]] inline bool put_sixteen(const std::uint16_t* chars, char*& p) {
  return put_sixteen(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(chars)), p);
}

// Sixteen characters of a four-byte str (one outside the sixteen-bit plane makes it one), as a
// two-byte str's when all fit sixteen bits; a block with a wider one goes by halves.
[[gnu::target("avx2")]] inline bool put_sixteen(const std::uint32_t* chars, char*& p) {
  const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(chars));
  const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(chars + 8));
  if (!_mm256_testz_si256(_mm256_or_si256(low, high), _mm256_set1_epi32(-0x10000)))
    return put_eight<true>(chars, p) && put_eight<true>(chars + 8, p);
  // The pack interleaves the halves by 128-bit lanes: put their quarters back in order.
  return put_sixteen(_mm256_permute4x64_epi64(_mm256_packus_epi32(low, high), 0xD8), p);
}

// What the last block writes past the end of the text's UTF-8 at most: its padding (up to
// fifteen bytes) and the twelve a block writes past its end.
constexpr std::size_t kLastBlockWritesPast = 15 + 12;

// The last `count` characters of a two-byte str (1 to 15) as one block of sixteen, the rest of
// the block zeros: a masked load reads no character past the last, each zero is written as one
// byte, and p is moved back over them. False (nothing or part written) for a surrogate.
[[gnu::target("avx2")]] bool put_last_block(const std::uint16_t* chars, std::size_t count,
                                            char*& p) {
  // The pairs of characters wholly within the count; an odd count's last one on its own.
  const __m256i pairs = _mm256_cmpgt_epi32(_mm256_set1_epi32(static_cast<int>(count)),
                                           _mm256_setr_epi32(1, 3, 5, 7, 9, 11, 13, 15));
  const __m256i last = _mm256_cmpeq_epi16(
      _mm256_set1_epi16(static_cast<short>(count - 1)),
      _mm256_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
  const __m256i x = _mm256_or_si256(
      _mm256_maskload_epi32(reinterpret_cast<const int*>(chars), pairs),
      _mm256_and_si256(last, _mm256_set1_epi16(static_cast<short>(chars[count - 1]))));
  char* out = p;
  if (!put_sixteen(x, out)) return false;
  p = out - (16 - count);
  return true;
}

// Blocks of sixteen, as put_blocks makes blocks of eight. The position and the output pointer
// are local copies: kept behind the references, every store (a char's, which may alias
// anything) would make them be read again.
template <class Char>
[[gnu::target("avx2")]] bool put_blocks_of_sixteen(const Char* chars, std::size_t length,
                                                   std::size_t margin, std::size_t& i, char*& p) {
  std::size_t at = i;
  char* out = p;
  bool whole = true;
  for (; at + 16 + margin <= length; at += 16)
    if (!put_sixteen(chars + at, out)) {
      whole = false;
      break;
    }
  i = at;
  p = out;
  return whole;
}

const bool kHasAvx2 = cpu::has_avx2();
const bool kHasShuffle = cpu::has_ssse3();

#endif

}  // namespace

template <class Char>
std::optional<std::size_t> encode(const Char* chars, std::size_t length, char* out,
                                  std::size_t spare_room) {
  char* p = out;
  std::size_t i = 0;
#ifdef NORVANE_UTF8_ENCODE_SSE2
  // A block writes up to twelve bytes past its end with shuffles, three without: as many
  // characters left after it have at least that much room, even where the room is the exact
  // size, and the spare room counts for as many. Latin-1 text has no three-byte characters to
  // shuffle.
  auto margin = [&](std::size_t written_past) {
    return spare_room >= written_past ? 0 : written_past - spare_room;
  };
  if constexpr (sizeof(Char) == 4) {
    if (kHasAvx2 && !put_blocks_of_sixteen(reinterpret_cast<const std::uint32_t*>(chars), length,
                                           margin(12), i, p))
      return std::nullopt;
  }
  if constexpr (sizeof(Char) == 2) {
    if (kHasAvx2) {
      if (!put_blocks_of_sixteen(chars, length, margin(12), i, p)) return std::nullopt;
      // The last characters in one more block, where the spare room takes its padding.
      const std::size_t rest = length - i;
      if (rest > 0 && rest < 16 && kLastBlockWritesPast <= spare_room) {
        if (!put_last_block(chars + i, rest, p)) return std::nullopt;
        return static_cast<std::size_t>(p - out);
      }
    }
  }
  if (sizeof(Char) > 1 && kHasShuffle && !put_blocks<true>(chars, length, margin(12), i, p))
    return std::nullopt;
  if (!put_blocks<false>(chars, length, margin(3), i, p)) return std::nullopt;
#endif
  for (; i < length; ++i)
    if (!put_char(chars[i], p)) return std::nullopt;
  return static_cast<std::size_t>(p - out);
}

template std::optional<std::size_t> encode(const std::uint8_t*, std::size_t, char*, std::size_t);
template std::optional<std::size_t> encode(const std::uint16_t*, std::size_t, char*, std::size_t);
template std::optional<std::size_t> encode(const std::uint32_t*, std::size_t, char*, std::size_t);
template std::optional<std::size_t> encode(const char32_t*, std::size_t, char*, std::size_t);

}  // namespace norvane::utf8
