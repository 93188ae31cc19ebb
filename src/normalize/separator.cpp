// Absorbs runs of separators that lie between two digit-like characters.
#include <array>

#include "normalize/passes.hpp"
#include "normalize/unicode.hpp"

namespace norvane::passes {

namespace {

constexpr RuleName kWhitespace = "separator.whitespace";
constexpr RuleName kParen = "separator.paren";
constexpr RuleName kComma = "separator.comma";
constexpr RuleName kHyphen = "separator.hyphen";
constexpr RuleName kDot = "separator.dot";
constexpr RuleName kMiddot = "separator.middot";

struct Sep {
  std::size_t len = 0;  // bytes; 0 when no separator starts here
  RuleName rule;
  AbsorbClass cls = AbsorbClass::separator;
};

Sep separator_at(std::string_view s, std::size_t i) {
  if (i >= s.size()) return {};
  auto c = static_cast<unsigned char>(s[i]);
  switch (c) {
    case 0x09:
    case 0x20:
      return {1, kWhitespace, AbsorbClass::whitespace};
    case '(':
    case ')':
      return {1, kParen};
    case ',':
      return {1, kComma};
    case '-':
      return {1, kHyphen};
    case '.':
      return {1, kDot};
    case 0xC2:  // U+00B7
      if (i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0xB7) return {2, kMiddot};
      return {};
    case 0xE3:  // U+30FB
      if (i + 2 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0x83 &&
          static_cast<unsigned char>(s[i + 2]) == 0xBB)
        return {3, kMiddot};
      return {};
    default:
      return {};
  }
}

// Digit-like characters are ASCII, so a byte test suffices.
constexpr unicode::ByteSet kDigitLikeSet{'0', '9', {'*', 'X', 'x'}, 3};
constexpr std::array<bool, 256> kDigitLike = [] {
  std::array<bool, 256> t{};
  for (int c = 0; c < 256; ++c) t[c] = unicode::is_digit_like(static_cast<char32_t>(c));
  return t;
}();

bool digit_like_byte(std::string_view s, std::size_t i) {
  return i < s.size() && kDigitLike[static_cast<unsigned char>(s[i])];
}

}  // namespace

std::optional<PassOutput> absorb_separators(std::string_view text) {
  const std::size_t n = text.size();
  std::optional<SpanMapBuilder> b;
  std::size_t emitted = 0;
  std::size_t d = 0;  // candidate digit-like byte
  // A run can only be absorbed when it starts right after a digit-like character.
  while (true) {
    d = unicode::find_byte<kDigitLikeSet>(text, d);
    // Only the last of a run of digit-like characters can be followed by a separator.
    while (d + 1 < n && kDigitLike[static_cast<unsigned char>(text[d + 1])]) ++d;
    if (d + 1 >= n) break;
    const std::size_t i = d + 1;
    Sep first = separator_at(text, i);
    if (first.len == 0) {
      d = i;
      continue;
    }
    std::size_t v = i;
    while (true) {
      Sep s = separator_at(text, v);
      if (s.len == 0) break;
      v += s.len;
    }
    d = v;
    // Left alone when not followed by a digit-like character; the rest of the run cannot
    // start another one.
    if (!digit_like_byte(text, v)) continue;
    if (!b) b.emplace(n);
    b->keep(text.substr(emitted, i - emitted));
    std::size_t g = i;
    Sep gs = first;
    for (std::size_t k = i; k < v;) {
      Sep s = separator_at(text, k);
      if (s.rule != gs.rule) {
        b->absorb(text.substr(g, k - g), gs.rule, gs.cls);
        g = k;
        gs = s;
      }
      k += s.len;
    }
    b->absorb(text.substr(g, v - g), gs.rule, gs.cls);
    emitted = v;
  }
  if (!b) return std::nullopt;
  b->keep(text.substr(emitted));
  return b->finish();
}

}  // namespace norvane::passes
