// Composes conjoining Hangul jamo into precomposed syllables (Hangul composition only).
#include <cstring>

#include "error/interrupt.hpp"
#include "normalize/passes.hpp"
#include "normalize/rule_names.hpp"
#include "normalize/unicode.hpp"
#include "span/utf8.hpp"

namespace norvane::passes {

namespace {

constexpr char32_t kLFirst = 0x1100, kLLast = 0x1112;
constexpr char32_t kVFirst = 0x1161, kVLast = 0x1175;
constexpr char32_t kTFirst = 0x11A8, kTLast = 0x11C2;
constexpr char32_t kTBase = 0x11A7;

bool is_l(char32_t c) { return c >= kLFirst && c <= kLLast; }
bool is_v(char32_t c) { return c >= kVFirst && c <= kVLast; }
bool is_t(char32_t c) { return c >= kTFirst && c <= kTLast; }

// Conjoining jamo are U+1100..U+11FF: E1 84..87 xx, always three bytes.
char32_t jamo_at(std::string_view s, std::size_t i) {
  if (i + 2 >= s.size() || static_cast<unsigned char>(s[i]) != 0xE1) return 0;
  auto b1 = static_cast<unsigned char>(s[i + 1]);
  if (b1 < 0x84 || b1 > 0x87) return 0;
  return (char32_t{1} << 12) | (char32_t{b1 & 0x3Fu} << 6) |
         (static_cast<unsigned char>(s[i + 2]) & 0x3Fu);
}

}  // namespace

std::optional<PassOutput> compose_jamo(std::string_view text) {
  const std::size_t n = text.size();
  BuilderIfChanged b;
  std::size_t emitted = 0;  // start of the text not yet passed to the builder
  std::size_t i = 0;
  std::string syllable;

  auto emit = [&](std::size_t start, std::size_t end, char32_t cp) {
    if (!b) b.emplace(n);
    b->keep(text.substr(emitted, start - emitted));
    syllable.clear();
    utf8::append(syllable, cp);
    b->replace(text.substr(start, end - start), syllable, rules::kNfcHangulJamo);
    emitted = end;
  };

  interrupt::Poll poll;
  while (i < n) {
    const void* hit = std::memchr(text.data() + i, 0xE1, n - i);
    if (!hit) break;
    std::size_t j = static_cast<const char*>(hit) - text.data();
    poll.reach(j);
    char32_t c = jamo_at(text, j);
    if (is_l(c)) {
      char32_t v = jamo_at(text, j + 3);
      if (is_v(v)) {
        char32_t t = jamo_at(text, j + 6);
        char32_t cp = unicode::kSyllableFirst + (c - kLFirst) * 588 + (v - kVFirst) * 28;
        std::size_t end = j + 6;
        if (is_t(t)) {
          cp += t - kTBase;
          end = j + 9;
        }
        emit(j, end, cp);
        i = end;
        continue;
      }
    } else if (is_t(c) && j >= 3 && j - 3 >= emitted) {
      // A precomposed LV syllable right before a trailing consonant takes it.
      int syl = unicode::syllable_at(text, j - 3);
      if (syl >= 0 && syl % 28 == 0) {
        emit(j - 3, j + 3, unicode::kSyllableFirst + static_cast<char32_t>(syl) + (c - kTBase));
        i = j + 3;
        continue;
      }
    }
    i = j + 1;
  }

  if (!b) return std::nullopt;
  b->keep(text.substr(emitted));
  return b->finish();
}

}  // namespace norvane::passes
