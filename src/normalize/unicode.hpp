#pragma once
// Character tests shared by the normalization passes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "span/utf8.hpp"

namespace norvane::unicode {

// Unicode White_Space.
constexpr bool is_white_space(char32_t c) {
  if (c <= 0x20) return c == 0x20 || (c >= 0x09 && c <= 0x0D);
  if (c < 0x85) return false;
  return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
         c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// Digits and the masked-digit marks "*", "X", "x".
constexpr bool is_digit_like(char32_t c) {
  return (c >= '0' && c <= '9') || c == '*' || c == 'X' || c == 'x';
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

}  // namespace norvane::unicode
