// The label walk: the leading bytes of a label word compared plainly, and the labels found
// to the left of a value however the text writes them (case, spaces between Korean letters,
// key words joined by marks or camel case, abbreviations).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "detect/extend.hpp"
#include "detect/labels.hpp"

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

// A label is tried only where its letters fit before the value and its second Korean letter
// (past any spaces) is the text's: one cut by the value, or differing in a later letter,
// stands nowhere (a shorter label there stands, the rest of the word its distance), and one
// whose letters are set apart by spaces still stands.
TEST(LabelWalk, LabelsCutByTheValueOrDifferingLate) {
  struct Case {
    std::string_view text, value;
    EntityKind kind;
    std::vector<std::string> want;
  };
  const auto card = EntityKind::credit_card, resident = EntityKind::resident;
  const Case cases[] = {
      {"주민등록번호900101", "900101", resident, {"주민등록번호@0"}},  // right up to the value
      {"주민등록번900101", "900101", resident, {"주민등록@1"}},        // the shorter label
      {"주민등록 번호 900101", "900101", resident, {"주민등록번호@0"}},
      {"주민   번호 900101", "900101", resident, {"주민번호@0"}},  // spaces before the second
      {"주 민 번 호 900101", "900101", resident, {"주민번호@0"}},
      {"주민벉호 900101", "900101", resident, {"주민@2"}},  // the third letter's last byte differs
      {"카드   번호 1234", "1234", card, {"카드번호@0"}},
      {"카드번 1234", "1234", card, {"카드@1"}},
      {"카드번호1234", "1234", card, {"카드번호@0"}},
  };
  for (const Case& c : cases) EXPECT_EQ(left_labels(c.text, c.value, c.kind), c.want) << c.text;
}

// Every table's hits of a search, as "table:word@distance" (tables that name nothing left out),
// and "personal" when a personal phone label stands; each table with hits is one may_hit names.
std::vector<std::string> every_table(const LabelSearch& search) {
  std::vector<std::string> out;
  std::vector<ContextHit> hits;
  for (std::size_t table = 0; table <= labels::kNegativeTable; ++table) {
    search.hits(table, hits, nullptr);
    // The detector asks only the tables may_hit names: it must name every table with hits.
    EXPECT_TRUE(hits.empty() || search.may_hit(table)) << "table " << table;
    for (const ContextHit& h : hits)
      out.push_back(std::to_string(table) + ":" + std::string(h.cue) + "@" +
                    std::to_string(h.distance));
  }
  if (search.personal_phone()) out.push_back("personal");
  return out;
}

// Tables with no label found are answered before the labels are walked: every way of reading a
// value (its line, the structure alone, its line and the keys enclosing it) gives each table
// its labels and tells a personal phone label, and a search kept from one value to the next
// forgets those of the last.
TEST(LabelWalk, EveryTableOfEveryWayOfReading) {
  enum class Way { line, structure, enclosing, cleared };
  struct Case {
    std::string_view text, value;
    Way way;
    std::vector<std::string> want;
  };
  const Case cases[] = {
      {"카드번호: 1234", "1234", Way::line, {"3:카드번호@0"}},
      {"이름,휴대폰\n홍길동,010-1234-5678",
       "010-1234-5678",
       Way::structure,
       {"5:휴대폰@0", "personal"}},
      {"{\"company\": {\"tel\": \"02-123-4567\"}}",
       "02-123-4567",
       Way::enclosing,
       {"10:company@0"}},  // a company's line: its phone label does not count
      {"{\"company\": {\"mobile\": \"010-1234-5678\"}}",
       "010-1234-5678",
       Way::enclosing,
       {"10:company@0", "5:Mobile@0", "personal"}},  // a mobile in it is a person's
      {"회원번호 1234", "1234", Way::line, {"10:회원번호@0"}},
      {"카드번호: 1234", "1234", Way::cleared, {}},
      {"그냥 1234", "1234", Way::line, {}},
  };
  LabelSearch kept;
  for (const bool reversed : {false, true}) {
    for (std::size_t n = 0; n < std::size(cases); ++n) {
      const Case& c = cases[reversed ? std::size(cases) - 1 - n : n];
      const std::size_t at = c.text.find(c.value);
      ASSERT_NE(at, std::string_view::npos) << c.value;
      const Span span{static_cast<std::uint32_t>(at),
                      static_cast<std::uint32_t>(at + c.value.size()), 0, 0};
      LabelSearch fresh;
      for (LabelSearch* search : {&kept, &fresh}) {
        switch (c.way) {
          case Way::line: search->run(c.text, span, 24); break;
          case Way::structure:
            search->clear();
            search->run_structure(c.text, span);
            break;
          case Way::enclosing:
            search->run(c.text, span, 24);
            search->run_enclosing(c.text, span);
            break;
          case Way::cleared:
            search->run(c.text, span, 24);
            search->clear();
            break;
        }
        std::vector<std::string> got = every_table(*search);
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, c.want) << c.text << (search == &kept ? " (kept)" : " (fresh)");
      }
    }
  }
}

// Marks and spaces between a label and its value count for nothing, however many stand there
// (the walk steps over them without reading labels), and a label beyond the window stays out
// whatever marks stand around it.
TEST(LabelWalk, MarksBetweenLabelAndValue) {
  struct Case {
    std::string_view text, value;
    EntityKind kind;
    std::vector<std::string> want;
  };
  const auto card = EntityKind::credit_card, phone = EntityKind::phone;
  // Words as wide as the window (24 letters and digits) and one letter wider.
  const std::string edge(24, 'x'), beyond(25, 'x');
  const std::string at_edge = "카드번호 " + edge + " 1234";
  const std::string at_edge_marked = "카드번호 :: \"" + edge + "\" -- 1234";
  const std::string far = "카드번호 " + beyond + " 1234";
  const std::string far_marked = "카드번호 :: \"" + beyond + "\" -- 1234";
  const Case cases[] = {
      {"카드번호 1234", "1234", card, {"카드번호@0"}},
      {"카드번호:::: \"\" ,, 1234", "1234", card, {"카드번호@0"}},
      {"\"card_no\" : \" 1234", "1234", card, {"card_no@0"}},
      {"{\"tel\":\"010-1234-5678\"}", "010", phone, {"Tel@0"}},
      {"{\"tel\"::,,;;\"\"''  \"010-1234-5678\"}", "010", phone, {"Tel@0"}},
      {"카드번호 xx :: 1234", "1234", card, {"카드번호@2"}},
      {"카드번호 :: xx :: 1234", "1234", card, {"카드번호@2"}},
      {"카드번호 12::34 5678", "5678", card, {"카드번호@4"}},  // a mark parts two short numbers
      {"카드번호 1234 5678", "5678", card, {}},  // a number of four digits ends the walk
      {at_edge, "1234", card, {"카드번호@24"}},
      {at_edge_marked, "1234", card, {"카드번호@24"}},
      {far, "1234", card, {}},
      {far_marked, "1234", card, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(left_labels(c.text, c.value, c.kind), c.want) << c.text;
}

// The walk steps over a Hangul syllable by its three bytes: stray bytes beside, inside or before
// a label are stepped over as before, one character each (a lead byte takes what follows it),
// and only syllables from U+AC00 to U+D7A3 count as letters.
TEST(LabelWalk, StrayBytesBesideHangulLetters) {
  struct Case {
    std::string text;
    std::vector<std::string> want;
  };
  const auto card = EntityKind::credit_card;
  const Case cases[] = {
      {"카드번호\x80 1234", {"카드번호@0"}},       // a continuation byte after the label
      {"카드번호 \xEC\x80 1234", {"카드번호@1"}},  // a lead with one continuation, then a space
      {"카드번호 \xEC 1234", {"카드번호@1"}},      // a lead alone
      {"카드번호\xEC\x80\x80\x80 1234", {"카드번호@1"}},  // a syllable and one byte more
      {"카드\x80번호 1234", {"카드@2"}},                  // inside the label
      {"\xB0카드번호 1234", {"카드번호@0"}},              // before it
      {"\xEC\x80카드번호 1234", {"카드번호@0"}},
      {"카드번호\xEA\xAF\xBF 1234", {"카드번호@0"}},  // U+ABFF: no syllable
      {"카드번호\xEA\xB0\x80 1234", {"카드번호@1"}},  // U+AC00: the first syllable
      {"카드번호\xED\x9E\xA3 1234", {"카드번호@1"}},  // U+D7A3: the last
      {"카드번호\xED\x9E\xA4 1234", {"카드번호@0"}},  // U+D7A4: past them
  };
  for (const Case& c : cases) EXPECT_EQ(left_labels(c.text, "1234", card), c.want) << c.text;
}

// Texts of label words written in the ways a text may write them, other words, and hostile
// bytes; at every byte and with limits at and after the second character, the labels a walk
// tries keep the index's order and hold every label that stands there; so with limits at and
// after the third (labels that share two Korean letters are told apart by it).
TEST(LabelWalk, LabelsLeftOutByTheirSecondCharacterDoNotStand) {
  const std::string_view pieces[] = {
      "주민번호",   "주 민번호", "주민 번호", "주민",    "주소",
      "주문",       "주",        "계좌",      "계 좌",   "계좌번호",
      "카드",       "카드번호",  "휴대폰",    "휴대 폰", "연락처",
      "전화",       "전화번호",  "생년월일",  "생일",    "여권",
      "고객",       "사업자",    "번호",      "card_no", "CardNo",
      "cardNumber", "CARD NO",   "phone",     "Phone",   "tel",
      "TEL:",       "a/c",       "A.C",       "D/L",     "h/p",
      "e-mail",     "email",     "ssn",       "birth",   "Date of Birth",
      "acct",       "c",         "p",         "t",       " ",
      "  ",         ": ",        "=",         "\"",      "\n",
      "010",        "<td>",      "(",         "가",      "힣",
      "\xEC",       "\xEC\xA3",  "\x80",      "\xFF",    "é",
      "주민  번호", "계   좌",   "카드 번호", "휴 대폰", "일련 번호",
      "고객센터",   "고객 센터", "고객번호",  "고객번 호", "고객  번호",
      "상담사",     "상담센터",  "상담 센터", "전화 번호", "번호로",
      "생년 월일",  "생년월 일", "주민등록",  "전화번",  "고객센"};
  std::mt19937 random(7);
  auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  std::vector<std::string> texts;
  for (int t = 0; t < 400; ++t) {
    std::string text;
    for (std::size_t n = 1 + pick(8); n > 0; --n) text += pieces[pick(std::size(pieces))];
    texts.push_back(text);
  }
  const std::string bytes = "\xEA\xEB\xEC\xED\x80\x88\x9D\xA3\xB0\xBC ac/._";
  for (int t = 0; t < 200; ++t) {
    std::string text;
    for (std::size_t n = 1 + pick(24); n > 0; --n) text += bytes[pick(bytes.size())];
    texts.push_back(text);
  }
  std::size_t standing = 0, left_out = 0;
  for (const std::string& text : texts) {
    for (std::size_t at = 0; at < text.size(); ++at) {
      for (std::size_t reach : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 64}) {
        const std::size_t limit = std::min(text.size(), at + reach);
        const LabelTries t = label_tries_at(text, at, limit);
        ASSERT_TRUE(std::is_sorted(t.tried.begin(), t.tried.end())) << text << " at " << at;
        ASSERT_TRUE(std::includes(t.bucket.begin(), t.bucket.end(), t.tried.begin(), t.tried.end()))
            << text << " at " << at;
        ASSERT_EQ(t.standing_as_tried, t.standing) << text << " at " << at << " limit " << limit;
        standing += t.standing.size();
        left_out += t.bucket.size() - t.tried.size();
      }
    }
  }
  // The texts put labels where they stand, and the lookup leaves labels out.
  EXPECT_GT(standing, 1000u);
  EXPECT_GT(left_out, 10000u);
}

// Labels that share their first two Korean letters are tried by the third the text has there,
// past spaces: where it differs or cannot fit before the limit, those with one are not tried,
// and the labels of two letters still are.
TEST(LabelWalk, LabelsTriedByTheirThirdKoreanLetter) {
  auto tried = [](std::string_view text, std::size_t limit) {
    const LabelTries t = label_tries_at(text, 0, limit);
    EXPECT_EQ(t.standing_as_tried, t.standing) << text << " limit " << limit;
    return t;
  };
  const LabelTries centre = tried("고객센터 010", 16), apart = tried("고객 센 터 010", 18),
                   cut = tried("고객센터 010", 8), other = tried("고객님 010", 13),
                   number = tried("고객  번호 010", 16);
  // The same third letter, set apart by spaces or not: the same labels.
  EXPECT_EQ(apart.tried, centre.tried);
  // No third letter fits, or another stands there: only the labels without one.
  EXPECT_EQ(cut.tried, other.tried);
  EXPECT_LT(other.tried.size(), centre.tried.size());
  EXPECT_TRUE(std::includes(centre.tried.begin(), centre.tried.end(), other.tried.begin(),
                            other.tried.end()));
  EXPECT_TRUE(std::includes(number.tried.begin(), number.tried.end(), other.tried.begin(),
                            other.tried.end()));
  EXPECT_NE(number.tried, centre.tried);
  // Both readings find a label of three letters or more there, past the two-letter ones.
  auto longest = [](const LabelTries& t) {
    std::size_t end = 0;
    for (const LabelTries::Standing& s : t.standing) end = std::max(end, s.end);
    return end;
  };
  EXPECT_EQ(longest(centre), 12u);   // 고객센터
  EXPECT_EQ(longest(apart), 14u);    // 고객 센 터
  EXPECT_EQ(longest(number), 14u);   // 고객  번호
  EXPECT_LE(longest(other), 6u);     // 고객 at most
}

// What the distance does not count between a label and its value, read from a label further
// left on into the reading of a nearer one, is what a reading of it all gives: on texts of
// labels, generic and spoken words, remarks in brackets, markup, camel case and stray bytes,
// from every start, resumed at every byte after it.
TEST(LabelWalk, UncountedReadResumedAsReadWhole) {
  const std::string_view pieces[] = {
      "전화번호", " ",       "(본인)",  "[참고]", "<td>",    "</th>",     "불러줌",  "연락처",
      "cardNo",   "_",       "date",    "번호는", ":",       "\xEC\x97", "\x80",   "(",
      ")",        "생년월일", "문의",    "HP",     "  ",      "계좌번호", "말씀",    "010",
  };
  std::mt19937 rng(20);
  std::vector<std::string> texts = {"연락처 번호(본인) 불러줌 <td>010", "cardNo: memberNum [확인] ",
                                    "생년월일 (양력) 말씀 주신 번호는 "};
  for (int n = 0; n < 60; ++n) {
    std::string t;
    const std::size_t count = 2 + rng() % 9;
    for (std::size_t k = 0; k < count; ++k) t += pieces[rng() % std::size(pieces)];
    texts.push_back(std::move(t));
  }
  Uncounted seen;  // what the whole readings counted, summed: every counter is exercised
  std::size_t resumed = 0;
  for (const std::string& text : texts) {
    const std::size_t to = text.size();
    for (std::size_t from = 0; from < to; ++from) {
      const Uncounted whole = uncounted_between(text, from, to);
      seen.generic += whole.generic;
      seen.number_words += whole.number_words;
      seen.spoken += whole.spoken;
      for (std::size_t at = from + 1; at < to; ++at) {
        ASSERT_EQ(uncounted_between(text, from, to, at, uncounted_between(text, at, to)), whole)
            << text << " from " << from << " resumed at " << at;
        ++resumed;
      }
      // A reading to resume that lies before the start, or past the end, is not taken.
      const Uncounted wrong{1000, 1000, 1000};
      EXPECT_EQ(uncounted_between(text, from, to, to, wrong), whole);
      if (from > 0) EXPECT_EQ(uncounted_between(text, from, to, from - 1, wrong), whole);
    }
  }
  EXPECT_GT(seen.generic, 0u);
  EXPECT_GT(seen.number_words, 0u);
  EXPECT_GT(seen.spoken, 0u);
  EXPECT_GT(resumed, 10000u);
}

}  // namespace
}  // namespace norvane::extend
