// WordSet::in, which skips syllables by their first two bytes and reads a byte's kind from one
// table, against a plain reading: every word compared at every character of the text.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "detect/labels.hpp"
#include "detect/word_set.hpp"

namespace norvane::extend {
namespace {

// Whether a word starts at a character of s, the characters stepped over by their first byte's
// length, as WordSet::in reads them.
bool in_plainly(std::span<const std::string_view> words, std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::string_view rest = s.substr(i);
    if (std::any_of(words.begin(), words.end(),
                    [&](std::string_view w) { return rest.starts_with(w); }))
      return true;
    const auto c = static_cast<unsigned char>(s[i]);
    i += c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
  }
  return false;
}

TEST(WordSet, FindsTheWordsOfItsTablesWhereverTheyStand) {
  const WordSet set{labels::kOrganisationWords, labels::kOfficeBlockWords};
  struct Case {
    std::string_view text;
    bool want;
  };
  const Case cases[] = {
      {"", false},
      {"서울중앙병원 원무과", true},       // a word inside a longer one
      {"병", false},                       // a word's first syllable alone
      {"홍길동 010", false},               // no word
      {"(주)한빛", true},                  // led by a mark
      {"㈜한빛", true},                    // led by another character
      {"FAX 02-123", true},                // an ASCII word
      {"fa", false},                       // cut before its end
      {"\x95\x99원 교회", true},           // starts inside a character
      {"학", false},
      {"동네 학교", true},
      {"법", false},
      {"abc 법인", true},
      {"\xEB\xB3", false},                 // a syllable cut after two bytes
  };
  for (const Case& c : cases) EXPECT_EQ(set.in(c.text), c.want) << c.text;
}

TEST(WordSet, AgreesWithAPlainReadingOnRandomText) {
  std::vector<std::string_view> words(std::begin(labels::kOrganisationWords),
                                      std::end(labels::kOrganisationWords));
  words.insert(words.end(), std::begin(labels::kOfficeBlockWords),
               std::end(labels::kOfficeBlockWords));
  const WordSet set{labels::kOrganisationWords, labels::kOfficeBlockWords};
  // Pieces: the words and their parts (a first syllable alone, two of its bytes), syllables that
  // share a word's first two bytes but lead none, other Hangul, ASCII, marks and lone bytes.
  std::vector<std::string> pieces;
  for (std::string_view w : words) {
    pieces.emplace_back(w);
    pieces.emplace_back(w.substr(0, std::min<std::size_t>(w.size(), 3)));
    pieces.emplace_back(w.substr(0, std::min<std::size_t>(w.size(), 2)));
    pieces.emplace_back(w.substr(1));
    if (static_cast<unsigned char>(w[0]) >= 0xEA && w.size() >= 3) {
      std::string near(w.substr(0, 3));
      near[2] = static_cast<char>(0x80 | ((near[2] + 1) & 0x3F));
      pieces.push_back(near);
    }
  }
  for (std::string_view p : {"홍", "길", "동", "가", "힣", "ㄱ", "一", "😀", "a", "F", "f", "A.",
                             " ", "-", "(", ")", "\n", "0", "7", "\x80", "\xEA", "\xED\x9E"})
    pieces.emplace_back(p);
  std::mt19937 rng(19);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1), count(0, 12);
  for (int n = 0; n < 20000; ++n) {
    std::string text;
    for (std::size_t k = count(rng); k > 0; --k) text += pieces[pick(rng)];
    // Read from a byte inside it too, as the words before a number are cut.
    for (std::size_t from : {std::size_t{0}, text.size() / 3}) {
      const std::string_view s = std::string_view(text).substr(from);
      ASSERT_EQ(set.in(s), in_plainly(words, s)) << s;
    }
  }
}

}  // namespace
}  // namespace norvane::extend
