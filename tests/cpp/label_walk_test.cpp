// The label walk: the leading bytes of a label word compared plainly, and the labels found
// to the left of a value however the text writes them (case, spaces between Korean letters,
// key words joined by marks or camel case, abbreviations).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "detect/extend.hpp"

namespace norvane::extend {
namespace {

TEST(LabelWalk, ExactPrefixOfLabelWords) {
  struct Case {
    std::string_view word;
    std::size_t want;
  };
  const Case cases[] = {
      {"account", 7},    // letters only: all of it
      {"card no", 4},    // the space may be "_", "-", "." or a camel-case step
      {"card_no=", 4},   // the mark is read with the rest
      {"a/c", 1},        // "/" may be "."
      {"tel2", 4},       // digits match only themselves
      {"주민번호", 3},   // a space may stand before the second syllable
      {"카드 번호", 3},  // or a space of the word itself
      {"id번호", 5},     // a Korean letter after ASCII: no space is read there
      {"사업자 id", 3}, {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(exact_prefix(c.word), c.want) << c.word;
}

// The labels of one table found left of the first occurrence of `value`, as "word@distance".
std::vector<std::string> left_labels(std::string_view text, std::string_view value,
                                     EntityKind kind) {
  const std::size_t at = text.find(value);
  EXPECT_NE(at, std::string_view::npos) << value;
  const Span span{static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(at + value.size()), 0,
                  0};
  LabelSearch search;
  search.run(text, span, 24);
  std::vector<ContextHit> hits;
  search.hits(static_cast<std::size_t>(kind), hits, nullptr);
  std::vector<std::string> out;
  for (const ContextHit& h : hits)
    out.push_back(std::string(h.cue) + "@" + std::to_string(h.distance));
  std::sort(out.begin(), out.end());
  return out;
}

TEST(LabelWalk, LabelsHoweverTheTextWritesThem) {
  struct Case {
    std::string_view text, value;
    EntityKind kind;
    std::vector<std::string> want;
  };
  const auto card = EntityKind::credit_card, account = EntityKind::bank_account,
             resident = EntityKind::resident;
  const Case cases[] = {
      {"카드번호: 1234", "1234", card, {"카드번호@0"}},
      {"카드 번호: 1234", "1234", card, {"카드번호@0"}},  // a space between Korean letters
      {"카드  번호 1234", "1234", card, {"카드번호@0"}},
      {"카 드번호 1234", "1234", card, {"카드번호@0"}},  // after the first syllable too
      {"카드번 호 1234", "1234", card, {"카드번호@0"}},
      {"주민번호 900101", "900101", resident, {"주민번호@0"}},
      {"주민 번호 900101", "900101", resident, {"주민번호@0"}},
      {"주민등록번호는 900101", "900101", resident, {"주민등록번호@1"}},
      {"주만번호 900101", "900101", resident, {}},    // the second syllable differs
      {"CARD NO 1234", "1234", card, {"Card No@0"}},  // either case
      {"cardNo=1234", "1234", card, {"cardNo@0"}},
      {"card-no: 1234", "1234", card, {"Card No@0"}},  // words joined by a mark
      {"Card.Number 1234", "1234", card, {"Card Number@0"}},
      {"cardNumber 1234", "1234", card, {"cardNumber@0"}},  // or by a camel-case step
      {"Carb No 1234", "1234", card, {}},                   // a letter of the exact prefix differs
      {"discard no 1234", "1234", card, {}},                // inside a longer word
      {"A.C 110", "110", account, {"A/C@0"}},               // "/" written as "."
      {"a/c: 110", "110", account, {"A/C@0"}},
      {"AC 110", "110", account, {}},
      {"계좌번호 110", "110", account, {"계좌번호@0"}},
      {"계좌 110", "110", account, {"계좌@0"}},
      {"계 좌 110", "110", account, {"계좌@0"}},
  };
  for (const Case& c : cases) EXPECT_EQ(left_labels(c.text, c.value, c.kind), c.want) << c.text;
}

}  // namespace
}  // namespace norvane::extend
