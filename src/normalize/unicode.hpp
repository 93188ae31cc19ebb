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

#ifdef NORVANE_WIDE_FIND
namespace detail {
// Bit k set when byte k of the thirty-two at p leads a character other than ASCII and Hangul.
[[gnu::target("avx2"), gnu::always_inline]] inline unsigned other_leads32(const char* p) {
  const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  const __m256i lead = _mm256_cmpeq_epi8(_mm256_max_epu8(x, _mm256_set1_epi8(static_cast<char>(0xC0))), x);
  const __m256i d = _mm256_sub_epi8(x, _mm256_set1_epi8(static_cast<char>(0xEA)));
  const __m256i hangul = _mm256_cmpeq_epi8(_mm256_min_epu8(d, _mm256_set1_epi8(3)), d);
  return static_cast<unsigned>(_mm256_movemask_epi8(_mm256_andnot_si256(hangul, lead)));
}

// holds_other_than_ascii_and_hangul thirty-two bytes a step (n >= 32), the last step
// overlapping the one before.
[[gnu::target("avx2"), gnu::noinline]] inline bool holds_other_wide(const char* p, std::size_t n) {
  for (std::size_t i = 0; i + 32 < n; i += 32)
    if (other_leads32(p + i) != 0) return true;
  return other_leads32(p + n - 32) != 0;
}
}  // namespace detail
#endif

// Whether s holds a character that is neither ASCII nor led by a byte from EA to ED (the leads
// of the Hangul syllables): a lead byte from C0 on outside EA..ED. Most Korean text holds none.
inline bool holds_other_than_ascii_and_hangul(std::string_view s) {
  const char* p = s.data();
  const std::size_t n = s.size();
#ifdef NORVANE_WIDE_FIND
  // Most texts are read to their end: half the steps where the processor has AVX2.
  if (n >= 64 && cpu::has_avx2()) return detail::holds_other_wide(p, n);
#endif
#if defined(__SSE2__)
  if (n >= 16) {
    const __m128i lead_min = _mm_set1_epi8(static_cast<char>(0xC0));
    const __m128i hangul_first = _mm_set1_epi8(static_cast<char>(0xEA));
    const __m128i hangul_span = _mm_set1_epi8(3);
    auto others = [&](std::size_t at) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
      const __m128i lead = _mm_cmpeq_epi8(_mm_max_epu8(x, lead_min), x);
      const __m128i d = _mm_sub_epi8(x, hangul_first);
      const __m128i hangul = _mm_cmpeq_epi8(_mm_min_epu8(d, hangul_span), d);
      return _mm_movemask_epi8(_mm_andnot_si128(hangul, lead));
    };
    // The last sixteen bytes overlap the block before: a byte looked at twice changes nothing.
    for (std::size_t i = 0; i + 16 < n; i += 16)
      if (others(i) != 0) return true;
    return others(n - 16) != 0;
  }
#endif
  for (std::size_t i = 0; i < n; ++i) {
    const auto b = static_cast<unsigned char>(p[i]);
    if (b >= 0xC0 && (b < 0xEA || b > 0xED)) return true;
  }
  return false;
}

}  // namespace norvane::unicode
