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
  if (const char ascii = passes::ascii_of_full_width(c)) return {rules::kFoldFullwidth, ascii};
  if (c == 0x00A0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000)
    return {rules::kFoldSpace, ' '};
  if (c == 0x00AD || (c >= 0x2010 && c <= 0x2015) || c == 0x2043 || c == 0x2212 || c == 0xFE58 ||
      c == 0xFE63)
    return {rules::kFoldDash, '-'};
  return {};
}

// Every folded character starts with one of these lead bytes.
constexpr unicode::ByteSet kMayFold{1, 0, {0xC2, 0xE2, 0xE3, 0xEF}, 4};

// The next character at or after byte i that folds: its bytes [start, end) and what it folds
// to; start is the text's size when none is left.
struct NextFold {
  std::size_t start, end;
  Folded folded;
};

NextFold next_fold(std::string_view text, std::size_t i, interrupt::Poll& poll) {
  while (true) {
    // Folded characters come in runs (a full-width number): the next is looked at first.
    if (i >= text.size() || !kMayFold.has(static_cast<unsigned char>(text[i])))
      i = unicode::find_byte<kMayFold>(text, i);
    if (i >= text.size()) return {text.size(), text.size(), {}};
    poll.reach(i);
    const std::size_t start = i;
    const Folded f = classify(utf8::decode(text, i));
    if (f.ascii != 0) return {start, i, f};
  }
}

}  // namespace

bool folds_anything(std::string_view text) {
  interrupt::Poll poll;
  return next_fold(text, 0, poll).start < text.size();
}

std::optional<PassOutput> fold(std::string_view text) {
  const std::size_t n = text.size();
  BuilderIfChanged b;
  std::size_t emitted = 0;
  interrupt::Poll poll;
  for (NextFold f = next_fold(text, 0, poll); f.start < n; f = next_fold(text, f.end, poll)) {
    if (!b) b.emplace(n);
    if (f.start > emitted) b->keep(text.substr(emitted, f.start - emitted));  // not in a run
    b->replace_char(text.substr(f.start, f.end - f.start), f.folded.ascii, f.folded.rule);
    emitted = f.end;
  }
  if (!b) return std::nullopt;
  b->keep(text.substr(emitted));
  return b->finish();
}

}  // namespace norvane::passes
