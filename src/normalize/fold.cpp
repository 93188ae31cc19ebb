// Folds full-width forms, dash forms and space forms onto plain ASCII, one character each.

#include "error/interrupt.hpp"
#include "normalize/passes.hpp"
#include "normalize/rule_names.hpp"
#include "normalize/unicode.hpp"
#include "span/utf8.hpp"

namespace norvane::passes {

namespace {

struct Folded {
  RuleName rule;
  char ascii = 0;
};

Folded classify(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) return {rules::kFoldFullwidth, static_cast<char>(c - 0xFEE0)};
  if (c == 0x00A0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000)
    return {rules::kFoldSpace, ' '};
  if (c == 0x00AD || (c >= 0x2010 && c <= 0x2015) || c == 0x2043 || c == 0x2212 || c == 0xFE58 ||
      c == 0xFE63)
    return {rules::kFoldDash, '-'};
  return {};
}

// Every folded character starts with one of these lead bytes.
constexpr unicode::ByteSet kMayFold{1, 0, {0xC2, 0xE2, 0xE3, 0xEF}, 4};

}  // namespace

std::optional<PassOutput> fold(std::string_view text) {
  const std::size_t n = text.size();
  std::optional<SpanMapBuilder> b;
  std::size_t emitted = 0;
  std::size_t i = 0;
  interrupt::Poll poll;
  while (true) {
    i = unicode::find_byte<kMayFold>(text, i);
    if (i >= n) break;
    poll.reach(i);
    std::size_t start = i;
    char32_t c = utf8::decode(text, i);
    Folded f = classify(c);
    if (f.ascii == 0) continue;
    if (!b) b.emplace(n);
    b->keep(text.substr(emitted, start - emitted));
    b->replace(text.substr(start, i - start), std::string_view(&f.ascii, 1), f.rule);
    emitted = i;
  }
  if (!b) return std::nullopt;
  b->keep(text.substr(emitted));
  return b->finish();
}

}  // namespace norvane::passes
