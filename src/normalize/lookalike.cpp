// Corrects the letters I, l, O, o typed for digits between digit-like characters.

#include "error/interrupt.hpp"
#include "normalize/passes.hpp"
#include "normalize/rule_names.hpp"
#include "normalize/unicode.hpp"
#include "span/utf8.hpp"

namespace norvane::passes {

namespace {

char digit_for(unsigned char c) {
  switch (c) {
    case 'I':
    case 'l': return '1';
    case 'O':
    case 'o': return '0';
    default: return 0;
  }
}

constexpr unicode::ByteSet kLetter{1, 0, {'I', 'l', 'O', 'o'}, 4};

bool is_skippable(char32_t c) {
  switch (c) {
    case 0x09:
    case 0x20:
    case '(':
    case ')':
    case ',':
    case '-':
    case '.':
    case 0x00B7:
    case 0x30FB: return true;
    default: return false;
  }
}

// The first character before byte i that is not a skippable separator is digit-like.
bool digit_like_before(std::string_view s, std::size_t i) {
  while (i > 0) {
    char32_t c = unicode::decode_before(s, i);
    if (!is_skippable(c)) return unicode::is_digit_like(c);
  }
  return false;
}

// The first character from byte i on that is not a skippable separator is digit-like.
bool digit_like_after(std::string_view s, std::size_t i) {
  while (i < s.size()) {
    char32_t c = utf8::decode(s, i);
    if (!is_skippable(c)) return unicode::is_digit_like(c);
  }
  return false;
}

}  // namespace

std::optional<PassOutput> correct_lookalikes(std::string_view text) {
  const std::size_t n = text.size();
  std::optional<SpanMapBuilder> b;
  std::size_t emitted = 0;
  // ASCII bytes never occur inside a multi-byte sequence: a byte scan finds the letters.
  interrupt::Poll poll;
  for (std::size_t i = 0; i < n; ++i) {
    i = unicode::find_byte<kLetter>(text, i);
    if (i >= n) break;
    poll.reach(i);
    char d = digit_for(static_cast<unsigned char>(text[i]));
    // The neighbour tests read the input, so earlier replacements do not count as digits.
    if (!digit_like_before(text, i) || !digit_like_after(text, i + 1)) continue;
    if (!b) b.emplace(n);
    b->keep(text.substr(emitted, i - emitted));
    b->replace(text.substr(i, 1), std::string_view(&d, 1), rules::kLookalikeDigit);
    emitted = i + 1;
  }
  if (!b) return std::nullopt;
  b->keep(text.substr(emitted));
  return b->finish();
}

}  // namespace norvane::passes
