// The normalization passes one by one, then normalize() running them in order. Each row:
// input, output text, the pass's map (see test_support.hpp for the notation).
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <span>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

#include "normalize/passes.hpp"
#include "normalize/pipeline.hpp"
#include "test_support.hpp"

namespace norvane {
namespace {

using testing::str;

struct PassCase {
  std::string_view input;
  const char* text;  // nullptr: the pass changes nothing and says so
  const char* map;
};

template <class Pass>
void check_pass(Pass pass, const std::vector<PassCase>& cases) {
  for (const PassCase& c : cases) {
    const std::optional<passes::PassOutput> out = pass(c.input);
    if (!c.text) {
      EXPECT_FALSE(out) << c.input << " became " << out->text;
      continue;
    }
    ASSERT_TRUE(out) << c.input;
    EXPECT_EQ(out->text, c.text) << c.input;
    EXPECT_EQ(str(out->map), c.map) << c.input;
    EXPECT_TRUE(out->map.validate()) << c.input;
  }
}

// Conjoining jamo "\u1112\u1161\u11AB" are three characters of three bytes each.
TEST(NormalizePasses, ComposeJamo) {
  // clang-format off
  check_pass(passes::compose_jamo, {
      {"\u1112\u1161\u11AB\u1100\u1173\u11AF", "한글",
       "replace 0-9/0-3>0-3/0-1 [nfc.hangul_jamo] r3 | replace 9-18/3-6>3-6/1-2 [nfc.hangul_jamo] r3"},  // L V T twice
      {"a\u1100\u1161b", "a가b",
       "identity 0-1>0-1 | replace 1-7/1-3>1-4/1-2 [nfc.hangul_jamo] r2 | identity 7-8/3-4>4-5/2-3"},  // L V between letters
      {"\u1100\u1161\u11A8\u11A8", "각\u11A8",
       "replace 0-9/0-3>0-3/0-1 [nfc.hangul_jamo] r3 | identity 9-12/3-4>3-6/1-2"},  // a second final stays
      {"\u1100x", nullptr, ""},   // a leading consonant alone
      {"\u1161", nullptr, ""},    // a vowel alone
      {"한글", nullptr, ""},      // precomposed already
  });
  // clang-format on
}

TEST(NormalizePasses, Fold) {
  // clang-format off
  check_pass(passes::fold, {
      {"０１２", "012",
       "replace 0-3/0-1>0-1 [fold.fullwidth] r1 | replace 3-6/1-2>1-2 [fold.fullwidth] r1"
       " | replace 6-9/2-3>2-3 [fold.fullwidth] r1"},  // one segment per character
      {"Ａｂ\u3000－", "Ab -",
       "replace 0-3/0-1>0-1 [fold.fullwidth] r1 | replace 3-6/1-2>1-2 [fold.fullwidth] r1"
       " | replace 6-9/2-3>2-3 [fold.space] r1 | replace 9-12/3-4>3-4 [fold.fullwidth] r1"},  // ideographic space
      {"a\u2212b\u00A0c\u00ADx", "a-b c-x",
       "identity 0-1>0-1 | replace 1-4/1-2>1-2 [fold.dash] r1 | identity 4-5/2-3>2-3"
       " | replace 5-7/3-4>3-4 [fold.space] r1 | identity 7-8/4-5>4-5"
       " | replace 8-10/5-6>5-6 [fold.dash] r1 | identity 10-11/6-7>6-7"},  // minus, no-break space, soft hyphen
      {"가\u3000나", "가 나",
       "identity 0-3/0-1>0-3/0-1 | replace 3-6/1-2>3-4/1-2 [fold.space] r1"
       " | identity 6-9/2-3>4-7/2-3"},  // between syllables
      {"x - y", nullptr, ""},  // plain ASCII
  });
  // clang-format on
}

TEST(NormalizePasses, ReadHangulNumerals) {
  const Config config;
  auto pass = [&](std::string_view t) {
    bool too_large = false;
    auto out = passes::read_hangul_numerals(t, config, kMaxTextBytes, too_large);
    EXPECT_FALSE(too_large) << t;
    return out;
  };
  // clang-format off
  check_pass(pass, {
      {"공일공일이삼사오육칠팔", "01012345678",
       "replace 0-33/0-11>0-11 [hangul.digit_reading] e11"},  // digit by digit
      {"일이삼사오육", "123456",
       "replace 0-18/0-6>0-6 [hangul.digit_reading] e6"},  // six digits need no context
      {"일억", "100000000",
       "expand 0-6/0-2>0-9 [hangul.unit_reading] e2"},  // units grow the text
      {"삼천오백만", "35000000",
       "expand 0-15/0-5>0-8 [hangul.unit_reading] e5"},
      {"이천이십사년", "2024년",
       "replace 0-15/0-5>0-4 [hangul.unit_reading] e5 | identity 15-18/5-6>4-7/4-5"},  // a year
      {"이십삼번", "23번",
       "replace 0-9/0-3>0-2 [hangul.unit_reading] e3 | identity 9-12/3-4>2-5/2-3"},  // short, with a counter word
      {"일이삼사오", nullptr, ""},  // five digits, no context
      {"공일공", nullptr, ""},      // three digits, no context
      {"사과", nullptr, ""},        // a word that starts with a digit syllable
      {"하나둘셋", nullptr, ""},    // native numbers are words here
  });
  // clang-format on
  Config lenient;
  lenient.numeral_min_digits_without_context = 3;
  auto lenient_pass = [&](std::string_view t) {
    bool too_large = false;
    return passes::read_hangul_numerals(t, lenient, kMaxTextBytes, too_large);
  };
  check_pass(lenient_pass,
             {
                 {"공일공", "010",
                  "replace 0-9/0-3>0-3 [hangul.digit_reading] e3"},  // three digits suffice now
             });
}

TEST(NormalizePasses, AbsorbSeparatorsKeepingFields) {
  auto pass = [](std::string_view t) { return passes::absorb_separators(t, true); };
  // clang-format off
  check_pass(pass, {
      {"1,234\t5 - 6", "1,234\t56",
       "identity 0-7>0-7 | delete 7-8>7-7 [separator.whitespace] w1 | delete 8-9>7-7 [separator.hyphen] s1"
       " | delete 9-10>7-7 [separator.whitespace] w1 | identity 10-11>7-8"},  // commas and tabs part fields
      {"1 ,2", nullptr, ""},  // a stretch with a comma in it is kept whole
      {"900115  1234567", "9001151234567",
       "identity 0-6>0-6 | delete 6-8>6-6 [separator.halves_apart] w2 | identity 8-15>6-13"},  // halves apart
      {"901315  1234567", nullptr, ""},   // no month 13: two fields
      {"900115  9234567", nullptr, ""},   // no sex digit 9: two fields
      {"900115    1234567", nullptr, ""},  // four spaces: two fields
      // A whole passport ends its field: the number after its space is the row's next one.
      {"M04467226 73kg", nullptr, ""},
      {"M511K0351 870,500", nullptr, ""},
      {"M5897**** 7/6", nullptr, ""},
      {"S02970100 - 2025-09-19", "S02970100 - 20250919",
       "identity 0-16>0-16 | delete 16-17>16-16 [separator.hyphen] s1 | identity 17-19>16-18"
       " | delete 19-20>18-18 [separator.hyphen] s1 | identity 20-22>18-20"},
      // Not whole: groups of one passport, a letter led by another, a passport's hyphen.
      {"S1234 5678", "S12345678",
       "identity 0-5>0-5 | delete 5-6>5-5 [separator.whitespace] w1 | identity 6-10>5-9"},
      {"AB12345678 9", "AB123456789",
       "identity 0-10>0-10 | delete 10-11>10-10 [separator.whitespace] w1 | identity 11-12>10-11"},
      {"M12345678-73", "M1234567873",
       "identity 0-9>0-9 | delete 9-10>9-9 [separator.hyphen] s1 | identity 10-12>9-11"},
  });
  // clang-format on
}

// The separator pass's text for each input, keeping fields; and joining them, as the default
// settings do, for one.
using TextCases = std::initializer_list<std::pair<std::string_view, std::string_view>>;
void expect_fields_kept(TextCases cases) {
  for (const auto& [input, expected] : cases) {
    const auto out = passes::absorb_separators(input, true);
    EXPECT_EQ(out ? out->text : std::string(input), expected) << input;
  }
}
void expect_fields_joined(std::string_view input, std::string_view expected) {
  const auto joined = passes::absorb_separators(input, false);
  ASSERT_TRUE(joined);
  EXPECT_EQ(joined->text, expected);
}

// Keeping fields, a whole date with separators and a number across a space or a spaced dash are
// two fields; the date's own dots and spaces are still absorbed, and part dates stay joined.
TEST(NormalizePasses, AbsorbSeparatorsKeepsAWholeDateApartFromTheNextNumber) {
  expect_fields_kept({
      {"1942.03.26 12:00", "19420326 12:00"},
      {"2001/02/13 - 62,200", "2001/02/13 - 62,200"},
      {"1958 - 2027.06.14", "1958 - 20270614"},
      {"13.01.1990 1234", "13011990 1234"},
      {"1990. 10. 11. 10:30", "19901011. 10:30"},
      {"74.07.30 10", "740730 10"},
      {"2024. 10. 14", "20241014"},        // a date alone: its inner gaps are its own
      {"03.26 12", "032612"},               // no year: no whole date
      {"1942.13.26 12", "1942132612"},      // no month 13
      {"1234.5678 12", "1234567812"},       // two groups with a dot: no date
  });
  // Fields not kept (the default settings): joined as ever.
  expect_fields_joined("1942.03.26 12:00", "1942032612:00");
}

// Keeping fields, a space beside a whole field of a jotted row parts it from the next number: a
// value written whole with its own marks, a month and a day, a clock, an amount, a measure. The
// groups of one value written with spaces, the last group of a value written with marks up to
// it, and a calling code before its number still join.
TEST(NormalizePasses, AbsorbSeparatorsEndsARowsFieldAtAWholeValue) {
  expect_fields_kept({
      {"581204-1184181 010-9426-7193 489,000", "5812041184181 01094267193 489,000"},
      {"010.3311.1562 9,000", "01033111562 9,000"},
      {"26-20-268490-78 17:20~11:00", "262026849078 17:20~11:00"},
      {"010-****-5678 12", "010****5678 12"},
      {"338-4927-2891-82 010 5639 5129", "3384927289182 01056395129"},
      {"5604 8764 7593 8249 065-99-51679", "5604876475938249 0659951679"},
      {"9/3 5604 8764 7593 8249 3/12", "9/3 5604876475938249 3/12"},
      {"17:20 010 5639 5129 09:30", "17:20 01056395129 09:30"},
      {"010 5639 5129 12.5% 73kg", "01056395129 125% 73kg"},
      {"010 5639 5129 489000원", "01056395129 489000원"},
      {"010 5639 5129	1,250,000", "01056395129	1,250,000"},
      {"287-02-13692 010 2222 0215", "2870213692 01022220215"},
      {"3411-4024**-**917 5", "34114024****917 5"},
      {"+82 010-8593-9980", "+8201085939980"},  // a calling code leads the number
      {"0082 010-8593-9980", "008201085939980"},
      {"82 010-8593-9980", "8201085939980"},
      // Fewer groups than a whole value has: the value goes on after the space.
      {"1234-5678-9012 3456", "1234567890123456"},
      {"11-24-776610 91", "112477661091"},
      {"302-1234-5678 91", "3021234567891"},     // a telephone number's groups lead with 0
      {"010-5639 5129", "01056395129"},
      {"12-34 5678", "12345678"},
      {"1/2/3 12", "1/2/312"},                  // no month and day alone
      {"1 12:3", "112:3"},                      // no clock
      {"5 1,23", "51,23"},                      // no thousands
      {"5 1,234567", "51,234567"},
      {"5 12.", "512."},
      {"5 12.5", "5125"},                       // no unit after the figure
  });
  // Fields not kept (the default settings): joined as ever.
  expect_fields_joined("581204-1184181 010-9426-7193 09:30", "58120411841810109426719309:30");
}

// One side of a segment as the notation writes it: bytes, and chars where they differ.
std::string side(std::size_t b0, std::size_t b1, std::size_t c0, std::size_t c1) {
  std::string s = std::to_string(b0) + "-" + std::to_string(b1);
  if (b0 != c0 || b1 != c1) s += "/" + std::to_string(c0) + "-" + std::to_string(c1);
  return s;
}

// The scan reads syllables 64 bytes at a time and looks three bytes ahead: numerals that start,
// end and cross those blocks (a run longer than a block among them), the leads next to a
// block's end, and the text's last bytes.
TEST(NormalizePasses, ReadHangulNumeralsAtEveryOffsetOfTheScansBlocks) {
  const Config config;
  const std::string long_run = "일이삼사오육칠팔구공일이삼사오육칠팔구공일이삼사오육칠팔구공";
  for (const std::string& run : {std::string("일이삼사오육"), long_run}) {
    const std::size_t r = run.size() / 3;  // syllables, and digits read
    for (std::size_t lead = 0; lead <= 140; ++lead) {
      const std::string text = std::string(lead, 'a') + run + " 일이삼사오육 가나다";
      bool too_large = false;
      const auto out = passes::read_hangul_numerals(text, config, kMaxTextBytes, too_large);
      ASSERT_TRUE(out) << lead;
      std::string digits;
      for (std::size_t k = 0; k < r; ++k) digits += "1234567890"[k % 10];
      EXPECT_EQ(out->text, std::string(lead, 'a') + digits + " 123456 가나다") << lead;
      const std::size_t src = lead + 3 * r, chars = lead + r;  // after the first run
      std::string map =
          lead > 0 ? "identity " + side(0, lead, 0, lead) + ">" + side(0, lead, 0, lead) + " | "
                   : "";
      map += "replace " + side(lead, src, lead, chars) + ">" + side(lead, chars, lead, chars) +
             " [hangul.digit_reading] e" + std::to_string(r);
      map += " | identity " + side(src, src + 1, chars, chars + 1) + ">" +
             side(chars, chars + 1, chars, chars + 1);
      map += " | replace " + side(src + 1, src + 19, chars + 1, chars + 7) + ">" +
             side(chars + 1, chars + 7, chars + 1, chars + 7) + " [hangul.digit_reading] e6";
      map += " | identity " + side(src + 19, src + 29, chars + 7, chars + 11) + ">" +
             side(chars + 7, chars + 17, chars + 7, chars + 11);
      EXPECT_EQ(str(out->map), map) << lead;
    }
  }
  // Where one syllable may be read alone, every lead is looked at, up to the text's end.
  Config single;
  single.numeral_min_digits_with_context = 1;
  single.numeral_min_digits_without_context = 1;
  for (std::size_t lead = 0; lead <= 140; ++lead) {
    for (const std::string after : {"", "a", "가"}) {
      const std::string text = std::string(lead, 'a') + "오" + after;
      bool too_large = false;
      const auto out = passes::read_hangul_numerals(text, single, kMaxTextBytes, too_large);
      ASSERT_TRUE(out) << lead << after;
      EXPECT_EQ(out->text, std::string(lead, 'a') + "5" + after) << lead << after;
      std::string map =
          lead > 0 ? "identity " + side(0, lead, 0, lead) + ">" + side(0, lead, 0, lead) + " | "
                   : "";
      map += "replace " + side(lead, lead + 3, lead, lead + 1) + ">" +
             side(lead, lead + 1, lead, lead + 1) + " [hangul.digit_reading] e1";
      if (!after.empty())
        map += " | identity " + side(lead + 3, lead + 3 + after.size(), lead + 1, lead + 2) + ">" +
               side(lead + 1, lead + 1 + after.size(), lead + 1, lead + 2);
      EXPECT_EQ(str(out->map), map) << lead << after;
    }
  }
}

TEST(NormalizePasses, ReadHangulNumeralsStopsBeforePassingTheLimit) {
  // "일억" (6 bytes) reads as nine digits: three bytes over the input's size.
  for (std::uint64_t limit : {6u, 8u}) {
    bool too_large = false;
    const auto out = passes::read_hangul_numerals("일억", Config{}, limit, too_large);
    EXPECT_TRUE(too_large) << limit;
    EXPECT_FALSE(out) << limit;
  }
  bool too_large = false;
  const auto out = passes::read_hangul_numerals("일억", Config{}, 9, too_large);
  EXPECT_FALSE(too_large);
  ASSERT_TRUE(out);
  EXPECT_EQ(out->text, "100000000");
}

TEST(NormalizePasses, CorrectLookalikes) {
  // clang-format off
  check_pass([](std::string_view t) { return passes::correct_lookalikes(t, false); }, {
      {"1O1", "101", "identity 0-1>0-1 | replace 1-2>1-2 [lookalike.digit] r1 | identity 2-3>2-3"},  // O between digits
      {"0l0-l234", "010-1234",
       "identity 0-1>0-1 | replace 1-2>1-2 [lookalike.digit] r1 | identity 2-4>2-4"
       " | replace 4-5>4-5 [lookalike.digit] r1 | identity 5-8>5-8"},  // l, also across a hyphen
      {"1 O 1", "1 0 1", "identity 0-2>0-2 | replace 2-3>2-3 [lookalike.digit] r1 | identity 3-5>3-5"},  // across spaces
      {"1(O)2", "1(0)2", "identity 0-2>0-2 | replace 2-3>2-3 [lookalike.digit] r1 | identity 3-5>3-5"},  // across parentheses
      {"1·O·1", "1·0·1",
       "identity 0-3/0-2>0-3/0-2 | replace 3-4/2-3>3-4/2-3 [lookalike.digit] r1"
       " | identity 4-7/3-5>4-7/3-5"},  // across middle dots
      {"12*O*3", "12*0*3", "identity 0-3>0-3 | replace 3-4>3-4 [lookalike.digit] r1 | identity 4-6>4-6"},  // masked digits count
      {"IO", nullptr, ""},   // no digit on either side
      {"O1", nullptr, ""},   // a digit on one side only
      {"1O", nullptr, ""},
      {"1\u30FBO", nullptr, ""},  // nothing after the separator
  });
  // clang-format on
}

TEST(NormalizePasses, CorrectLookalikesInDigitRuns) {
  // clang-format off
  check_pass([](std::string_view t) { return passes::correct_lookalikes(t, true); }, {
      {"O1O-l234-5678", "010-1234-5678",
       "replace 0-1>0-1 [value.letter_digit] r1 | identity 1-2>1-2 | replace 2-3>2-3 [value.letter_digit] r1"
       " | identity 3-4>3-4 | replace 4-5>4-5 [value.letter_digit] r1 | identity 5-13>5-13"},  // letters beside letters, in a run of digits
      {"a 1O1", "a 101", "identity 0-3>0-3 | replace 3-4>3-4 [lookalike.digit] r1 | identity 4-5>4-5"},  // between digits, as ever
      {"Hello 2024 1234 5678", nullptr, ""},  // a word's letters touch other letters
      {"lol 1234", nullptr, ""},              // too few digits for a number
      {"OlOlOl 123456789", nullptr, ""},      // too many letters
  });
  // clang-format on
}

// The pipeline corrects a text of its own in place: the same digits and the same map as the
// pass that copies, and a text with nothing to correct is left as it was.
TEST(NormalizePasses, CorrectLookalikesInPlaceAsTheCopyingPass) {
  const std::vector<std::string_view> inputs = {
      "1O1", "0l0-l234", "1 O 1", "1(O)2", "1·O·1", "12*O*3", "O1O-l234-5678", "a 1O1",
      "전화 O1O-l234-5678 또는 1O1", "Ｏ1O 가나다 1l", "IO", "1O", "Hello 2024 1234 5678", "", "lll",
      "010-6911-B541", "O10-S374-6122 S046B5458"};
  for (const bool in_digit_runs : {false, true}) {
    for (const bool scanned : {false, true}) {
      for (const std::string_view input : inputs) {
        const std::optional<passes::PassOutput> copied =
            passes::correct_lookalikes(input, in_digit_runs, scanned);
        std::string text(input);
        const std::optional<SpanMap> map =
            passes::correct_lookalikes_in_place(text, in_digit_runs, scanned);
        ASSERT_EQ(map.has_value(), copied.has_value()) << input;
        if (!copied) {
          EXPECT_EQ(text, input);
          continue;
        }
        EXPECT_EQ(text, copied->text) << input;
        EXPECT_EQ(str(*map), str(copied->map)) << input;
        EXPECT_EQ(map->change_count(), copied->map.change_count()) << input;
      }
    }
  }
}

TEST(NormalizePasses, CorrectScannedLetters) {
  // clang-format off
  check_pass([](std::string_view t) { return passes::correct_lookalikes(t, true, true); }, {
      {"010-6911-B541", "010-6911-8541",
       "identity 0-9>0-9 | replace 9-10>9-10 [value.scanned_letter] r1 | identity 10-13>10-13"},  // B for 8
      {"O10-S374-6122", "010-5374-6122",
       "replace 0-1>0-1 [value.letter_digit] r1 | identity 1-4>1-4"
       " | replace 4-5>4-5 [value.scanned_letter] r1 | identity 5-13>5-13"},  // S joins the O's run
      {"S046B5458", nullptr, ""},          // a passport's letters: no separator in the run
      {"OS 202405141", nullptr, ""},       // S touches no digit, so O's run is two letters
      {"S 010-1234-5678", nullptr, ""},    // set apart from the number
      {"S/N 5MKR4GR3598U", nullptr, ""},   // a serial's letters touch other letters
      // A whole passport before the row's next number keeps its letters (S02970100 17:30).
      {"S02970100 17", nullptr, ""},
      {"S743B1944 3", nullptr, ""},
      {"S743B19445 3", "5743819445 3",  // ten places: no passport
       "replace 0-1>0-1 [value.scanned_letter] r1 | identity 1-4>1-4"
       " | replace 4-5>4-5 [value.scanned_letter] r1 | identity 5-12>5-12"},
  });
  // Without the setting S and B stay letters.
  check_pass([](std::string_view t) { return passes::correct_lookalikes(t, true, false); }, {
      {"010-6911-B541", nullptr, ""},
  });
  // clang-format on
}

// Scans read with the scanned setting: each input becomes the expected text, or is left as it
// is where the expected text is empty.
void expect_scanned_corrections(
    std::span<const std::pair<std::string_view, std::string_view>> cases) {
  for (const auto& [input, expected] : cases) {
    const std::optional<passes::PassOutput> out = passes::correct_lookalikes(input, true, true);
    if (expected.empty()) {
      EXPECT_FALSE(out.has_value()) << input;
      continue;
    }
    ASSERT_TRUE(out.has_value()) << input;
    EXPECT_EQ(out->text, expected) << input;
  }
}

// Right after a label of a person's value a scan's letters among right digits are read, whatever
// the run's length and separators; codes, mails and runs under no such label keep their letters.
TEST(NormalizePasses, CorrectScannedLettersAfterAPersonsLabel) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"생 년 월 일 ; 196S.07.l5", "생 년 월 일 ; 1965.07.15"},
      {"생년월일(양력) ; 19B6년 10월 2일", "생년월일(양력) ; 1986년 10월 2일"},
      {"출생년월일. 7 Jul l9SO", "출생년월일. 7 Jul 1950"},
      {"입금계좌: 국민 O67380-99-99160l", "입금계좌: 국민 067380-99-991601"},
      {"| 연 락 처 ; (O1O)9839-4789 |", "| 연 락 처 ; (010)9839-4789 |"},
      {"Tel. 01O5668B903", "Tel. 01056688903"},
      {"ㅣ 생 년 월 일 ㅣ\nㅣ 196S.07.l5 ㅣ", "ㅣ 생 년 월 일 ㅣ\nㅣ 1965.07.15 ㅣ"},  // the line above
      {"Date of Birth\n9 Jul l973", "Date of Birth\n9 Jul 1973"},
      {"출 생 일 : 1993 . oB . 2l", "출 생 일 : 1993 . 08 . 21"},
      {"연락처 010-1234-5678\n모델 12B4", ""},
      {"Model FD44-S7Sl3", ""},
      {"연락처 hong0l@gmail.com", ""},
      {"생년월일 1990.01.01 S/N 12B4-S6", ""},
      {"Hotel 12B4", ""},
  };
  expect_scanned_corrections(cases);
}

// A birth date in Korean words a scan misread in part is read whole under a birth label or in a
// birth date's column, letters in any of its parts and a part all letters (ll월, S월); under
// another label or column, or as no date, the letters stay.
TEST(NormalizePasses, CorrectScannedLettersOfAKoreanBirthDate) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"생년월일 l972년 ll월 2B일", "생년월일 1972년 11월 28일"},
      {"[운전자 생년월일] 86년 S월 3O일", "[운전자 생년월일] 86년 5월 30일"},
      {"면회객 생년월 일 19S8 년 4 월 lB 일", "면회객 생년월 일 1958 년 4 월 18 일"},
      {"[사고 일시] 2023 년 IO 월 B 일", ""},
      {"방문일 2O24년 l1월 2B일", "방문일 2024년 l1월 2B일"},  // only the O between digits
      {"생년월일 lO년 lO월 lO일", ""},      // no digit: no date a scan read
      {"생년월일 l9720년 ll월 2B일", "생년월일 19720년 ll월 2B일"},  // a year of five: its run only
      {"생일 3층 lB호 S월 말", ""},
      {"성명\t생년월일\n김민수\t86년 S월 3O일", "성명\t생년월일\n김민수\t86년 5월 30일"},  // its column
      {"| 이름 | 출생일 |\n|---|---|\n| 박도윤 | 19S8년 4월 lB일 |",
       "| 이름 | 출생일 |\n|---|---|\n| 박도윤 | 1958년 4월 18일 |"},
      {"성명\t방문일\n김민수\t25년 ll월 2B일", ""},  // a visit's column
  };
  expect_scanned_corrections(cases);
}

TEST(NormalizePasses, AbsorbSeparatorsOfNumbersTypedToPassAFilter) {
  // clang-format off
  auto pass = [](std::string_view t) { return passes::absorb_separators(t, true, true); };
  check_pass(pass, {
      {"0 1 0  1 2 3 4", "0101234",
       "identity 0-1>0-1 | delete 1-2>1-1 [value.spaced_digits] s1 | identity 2-3>1-2"
       " | delete 3-4>2-2 [value.spaced_digits] s1 | identity 4-5>2-3 | delete 5-7>3-3 [value.spaced_digits] s2"
       " | identity 7-8>3-4 | delete 8-9>4-4 [value.spaced_digits] s1 | identity 9-10>4-5"
       " | delete 10-11>5-5 [value.spaced_digits] s1 | identity 11-12>5-6 | delete 12-13>6-6 [value.spaced_digits] s1"
       " | identity 13-14>6-7"},  // digits one by one, two spaces between groups
      {"1 2  3 4", "12  34",
       "identity 0-1>0-1 | delete 1-2>1-1 [separator.whitespace] w1 | identity 2-6>1-5"
       " | delete 6-7>5-5 [separator.whitespace] w1 | identity 7-8>5-6"},  // two fields of two digits
      {"010 다음 1234 다음 5678", "01012345678",
       "identity 0-3>0-3 | delete 3-11/3-7>3-3 [value.joining_word] s4 | identity 11-15/7-11>3-7"
       " | delete 15-23/11-15>7-7 [value.joining_word] s4 | identity 23-27/15-19>7-11"},  // a joining word, the same at each join
      {"010쩜1234쩜5678", "01012345678",
       "identity 0-3>0-3 | delete 3-6/3-4>3-3 [value.joining_word] s1 | identity 6-10/4-8>3-7"
       " | delete 10-13/8-9>7-7 [value.joining_word] s1 | identity 13-17/9-13>7-11"},
      {"10 다음 20", nullptr, ""},             // one join alone is no number
  });
  // clang-format on
}

// Escapes are read in the tokens that read as percent-encoded, whole characters only.
TEST(NormalizePasses, DecodePercentEscapes) {
  // clang-format off
  check_pass(passes::decode_percent_escapes, {
      {"hong%40naver.com", "hong@naver.com",
       "identity 0-4>0-4 | replace 4-7>4-5 [value.percent_escape] r3 | identity 7-16>5-14"},  // an @ only an encoder writes
      {"tel=010+1234+5678&x=1", "tel=010 1234 5678&x=1",
       "identity 0-7>0-7 | replace 7-8>7-8 [value.plus_space] r1 | identity 8-12>8-12"
       " | replace 12-13>12-13 [value.plus_space] r1 | identity 13-21>13-21"},  // + for a space in a query
      {"p=%2b82+10", "p=+82 10",
       "identity 0-2>0-2 | replace 2-5>2-3 [value.percent_escape] r3 | identity 5-7>3-5"
       " | replace 7-8>5-6 [value.plus_space] r1 | identity 8-10>6-8"},  // either case of hex; + after the escape is a space
      {"p=+82-10&x=1", nullptr, ""},  // a plus starting a value is a country code
      {"e=hong+shop@naver.com&x=1", nullptr, ""},  // a raw @: the + tags the address
      {"e=hong+shop@naver.com&n=%ED%99%8D", "e=hong+shop@naver.com&n=홍",
       "identity 0-24>0-24 | replace 24-33>24-27/24-25 [value.percent_escape] r9"},
      {"n=%ED%99%8D+x", "n=홍 x",
       "identity 0-2>0-2 | replace 2-11>2-5/2-3 [value.percent_escape] r9"
       " | replace 11-12>5-6/3-4 [value.plus_space] r1 | identity 12-13>6-7/4-5"},  // a whole UTF-8 character
      {"a%2D1 b%41", "a-1 b%41",
       "identity 0-1>0-1 | replace 1-4>1-2 [value.percent_escape] r3 | identity 4-10>2-8"},  // only the token that reads as encoded
      {"q=%41%20", "q=A ",
       "identity 0-2>0-2 | replace 2-5>2-3 [value.percent_escape] r3"
       " | replace 5-8>3-4 [value.percent_escape] r3"},  // in a query, letters too
      {"10%3000원", nullptr, ""},  // prose: a per cent before digits
      {"% %4 %zz %% %", nullptr, ""},  // no escape
      {"x=%00%0A%7F", nullptr, ""},  // control characters stay as written
      {"x=%C3%28", "x=%C3(",
       "identity 0-5>0-5 | replace 5-8>5-6 [value.percent_escape] r3"},  // a lead byte alone stays
      {"x=%E2%82 %ED%A0%80 %C0%AF %F5%80%80%80", nullptr, ""},  // cut short, a surrogate, overlong, past U+10FFFF
      {"x=%C2%85", nullptr, ""},  // a C1 control
      {"%%40", "%@", "identity 0-1>0-1 | replace 1-4>1-2 [value.percent_escape] r3"},  // a lone % before an escape
  });
  // clang-format on
}

TEST(NormalizePasses, AbsorbSeparators) {
  // clang-format off
  auto pass = [](std::string_view t) { return passes::absorb_separators(t, false); };
  check_pass(pass, {
      {"010-1234-5678", "01012345678",
       "identity 0-3>0-3 | delete 3-4>3-3 [separator.hyphen] s1 | identity 4-8>3-7"
       " | delete 8-9>7-7 [separator.hyphen] s1 | identity 9-13>7-11"},
      {"1 - 2", "12",
       "identity 0-1>0-1 | delete 1-2>1-1 [separator.whitespace] w1 | delete 2-3>1-1 [separator.hyphen] s1"
       " | delete 3-4>1-1 [separator.whitespace] w1 | identity 4-5>1-2"},  // one segment per rule stretch
      {"1  2", "12", "identity 0-1>0-1 | delete 1-3>1-1 [separator.whitespace] w2 | identity 3-4>1-2"},  // a stretch of two
      {"1,234", "1234", "identity 0-1>0-1 | delete 1-2>1-1 [separator.comma] s1 | identity 2-5>1-4"},
      {"(02)123", "(02123", "identity 0-3>0-3 | delete 3-4>3-3 [separator.paren] s1 | identity 4-7>3-6"},  // only between digits
      {"1.2·3\u30FB4", "1234",
       "identity 0-1>0-1 | delete 1-2>1-1 [separator.dot] s1 | identity 2-3>1-2"
       " | delete 3-5/3-4>2-2 [separator.middot] s1 | identity 5-6/4-5>2-3"
       " | delete 6-9/5-6>3-3 [separator.middot] s1 | identity 9-10/6-7>3-4"},  // both middle dots
      {"*-X-x", "*Xx",
       "identity 0-1>0-1 | delete 1-2>1-1 [separator.hyphen] s1 | identity 2-3>1-2"
       " | delete 3-4>2-2 [separator.hyphen] s1 | identity 4-5>2-3"},  // between masked digits
      {"a - 2", nullptr, ""},  // a letter before
      {"1 -", nullptr, ""},    // nothing after
      {"12 ab", nullptr, ""},  // a letter after
  });
  // clang-format on
}

// A plain line break is dropped only where digits follow it (past an indent) and make a cut
// number with those before it; a line ending in digits under a line of words, a clock or a
// hyphen is left as it is.
TEST(NormalizePasses, ReadWritingVariantsAtLineBreaks) {
  // clang-format off
  check_pass(passes::read_writing_variants, {
      {"010\n6509 9470", "0106509 9470",
       "identity 0-3>0-3 | delete 3-4>3-3 [value.wrapped_line] w1 | identity 4-13>3-12"},
      {"4111 1111\n  1111 1111", "4111 11111111 1111",
       "identity 0-9>0-9 | delete 9-12>9-9 [value.wrapped_line] w3 | identity 12-21>9-18"},
      {"110 123\n456789", "110 123456789",
       "identity 0-7>0-7 | delete 7-8>7-7 [value.wrapped_line] w1 | identity 8-14>7-13"},
      {"010-1234-\n5678", "010-1234-5678",
       "identity 0-9>0-9 | delete 9-10>9-9 [value.wrapped_line] w1 | identity 10-14>9-13"},
      {"010\n6509 9470\n주소\n02 9007\n2229", "0106509 9470\n주소\n02 90072229",
       "identity 0-3>0-3 | delete 3-4>3-3 [value.wrapped_line] w1 | identity 4-28/4-24>3-27/3-23"
       " | delete 28-29/24-25>27-27/23-23 [value.wrapped_line] w1 | identity 29-33/25-29>27-31/23-27"},
      {"010\n주소 6509 9470", nullptr, ""},
      {"010\nabc 6509 9470", nullptr, ""},
      {"010\n14:32 6509 9470", nullptr, ""},
      // The rest of a telephone starting the next line with its hyphen.
      {"010\n-6509-9470", "010-6509-9470",
       "identity 0-3>0-3 | delete 3-4>3-3 [value.wrapped_line] w1 | identity 4-14>3-13"},
      // A resident number's halves on a scanned card's lines, under its title (one syllable
      // misread) or the number's label; not under a birth date's label or a receipt.
      {"주민등륵증\n850312\n1234565", "주민등륵증\n8503121234565",
       "identity 0-22/0-12>0-22/0-12 | delete 22-23/12-13>22-22/12-12 [value.scanned_id_line] w1"
       " | identity 23-30/13-20>22-29/12-19"},
      {"주민번호 850312\n-1234565", "주민번호 850312-1234565",
       "identity 0-19/0-11>0-19/0-11 | delete 19-20/11-12>19-19/11-11 [value.scanned_id_line] w1"
       " | identity 20-28/12-20>19-27/11-19"},
      {"생년월일 850312\n1234565", nullptr, ""},
      {"영수증\n850312\n1234565", nullptr, ""},
      {"주민등록증\n851312\n1234565", nullptr, ""},
      {"주민등록증\n850312\n0234565", nullptr, ""},
      {"2024\n1234", nullptr, ""},
      {"\n6509 9470", nullptr, ""},
      {"010\n", nullptr, ""},
  });
  // clang-format on
}

// A tilde joins a number's groups when its lead of digits shows and its other groups are
// digits or masks (010~****~*920, 1985~**~**); a range (10~20), two groups, or masks alone stay.
TEST(NormalizePasses, ReadWritingVariantsJoinsMaskedGroupsByTildes) {
  // clang-format off
  check_pass(passes::read_writing_variants, {
      {"010~****~*920", "010-****-*920",
       "identity 0-3>0-3 | replace 3-4>3-4 [value.dash_lookalike] r1 | identity 4-8>4-8"
       " | replace 8-9>8-9 [value.dash_lookalike] r1 | identity 9-13>9-13"},
      {"1985~**~**", "1985-**-**",
       "identity 0-4>0-4 | replace 4-5>4-5 [value.dash_lookalike] r1 | identity 5-7>5-7"
       " | replace 7-8>7-8 [value.dash_lookalike] r1 | identity 8-10>8-10"},
      {"10~20", nullptr, ""},
      {"010~****", nullptr, ""},
      {"**~****~**", nullptr, ""},
      {"1~**~**", nullptr, ""},
  });
  // clang-format on
}

// With the writing variants, numerals read out right after a number's label glued to them start
// the number (번호공일공 ...; its first group reads by itself beside 호, as 101호 does); a word
// going on after the label (번호사이) stays a word.
TEST(NormalizePasses, ReadHangulNumeralsGluedToTheirLabel) {
  Config config;
  config.numeral_words = config.writing_variants = true;
  auto pass = [&](std::string_view t) {
    bool too_large = false;
    return passes::read_hangul_numerals(t, config, kMaxTextBytes, too_large);
  };
  // clang-format off
  check_pass(pass, {
      {"번호공일공 오이사이 구칠이육", "번호010 5242 9726",
       "identity 0-6/0-2>0-6/0-2 | replace 6-15/2-5>6-9/2-5 [hangul.digit_reading] e1"
       " | identity 15-16/5-6>9-10/5-6 | replace 16-28/6-10>10-14/6-10 [digits.hangul_spoken]"
       " | identity 28-29/10-11>14-15/10-11 | replace 29-41/11-15>15-19/11-15 [digits.hangul_spoken]"},
      {"번호사이에", nullptr, ""},
      {"전화번호이 아니라", nullptr, ""},
  });
  // clang-format on
}

struct NormalizeCase {
  std::string_view input;
  const char* text;
  const char* map;
};

TEST(Normalize, RunsThePassesInOrderAndComposesTheirMaps) {
  const Config config;
  // clang-format off
  const std::vector<NormalizeCase> cases = {
      {"전화 ０１０－１２３４ 5678", "전화 01012345678",
       "identity 0-7/0-3>0-7/0-3"
       " | replace 7-10/3-4>7-8/3-4 [fold.fullwidth] r1 | replace 10-13/4-5>8-9/4-5 [fold.fullwidth] r1"
       " | replace 13-16/5-6>9-10/5-6 [fold.fullwidth] r1"
       " | delete 16-19/6-7>10-10/6-6 [fold.fullwidth,separator.hyphen] s1 r1"  // folded, then absorbed
       " | replace 19-22/7-8>10-11/6-7 [fold.fullwidth] r1 | replace 22-25/8-9>11-12/7-8 [fold.fullwidth] r1"
       " | replace 25-28/9-10>12-13/8-9 [fold.fullwidth] r1 | replace 28-31/10-11>13-14/9-10 [fold.fullwidth] r1"
       " | delete 31-32/11-12>14-14/10-10 [separator.whitespace] w1"
       " | identity 32-36/12-16>14-18/10-14"},
      {"１ O ２", "102",
       "replace 0-3/0-1>0-1 [fold.fullwidth] r1 | delete 3-4/1-2>1-1 [separator.whitespace] w1"
       " | replace 4-5/2-3>1-2 [lookalike.digit] r1 | delete 5-6/3-4>2-2 [separator.whitespace] w1"
       " | replace 6-9/4-5>2-3 [fold.fullwidth] r1"},  // fold, lookalike and separator together
      {"1Ｏ1 O", "101 O",
       "identity 0-1>0-1 | replace 1-4/1-2>1-2 [fold.fullwidth,lookalike.digit] r2"
       " | identity 4-7/2-5>2-5"},  // a folded letter corrected in the folded text
      {"\u1100\u1161 일억", "가 100000000",
       "replace 0-6/0-2>0-3/0-1 [nfc.hangul_jamo] r2 | identity 6-7/2-3>3-4/1-2"
       " | expand 7-13/3-5>4-13/2-11 [hangul.unit_reading] e2"},  // jamo, then a numeral
      {"plain text", "plain text", "identity 0-10>0-10"},  // nothing to do: the identity map
      {"", "", ""},
  };
  // clang-format on
  for (const NormalizeCase& c : cases) {
    const Result<Normalized> r = normalize(c.input, config);
    ASSERT_TRUE(r) << c.input;
    EXPECT_EQ(r->text, c.text) << c.input;
    EXPECT_EQ(str(r->map), c.map) << c.input;
    EXPECT_TRUE(r->map.validate()) << c.input;
    // normalize_changes() gives the same where a pass changed the text, and nothing otherwise.
    const Result<std::optional<Normalized>> changes = normalize_changes(c.input, config);
    ASSERT_TRUE(changes) << c.input;
    if (r->text == c.input && r->map == SpanMap::identity(c.input)) {
      EXPECT_FALSE(*changes) << c.input;
    } else {
      ASSERT_TRUE(*changes) << c.input;
      EXPECT_EQ((*changes)->text, r->text) << c.input;
      EXPECT_EQ(str((*changes)->map), str(r->map)) << c.input;
    }
  }
}

TEST(Normalize, ChangesOnlyWhereSomePassChangesTheText) {
  // Each family's shape once with its pass on, once with only that pass off: the texts no
  // enabled pass changes give nothing, the others what normalize() gives.
  struct Row {
    std::string_view input;
    bool Config::* pass;
  };
  const std::vector<Row> rows = {{"\u1100\u1161", &Config::nfc},
                                 {"０１０", &Config::fold},
                                 {"010ㅡ1234", &Config::writing_variants},
                                 {"일억", &Config::hangul},
                                 {"1O2", &Config::lookalike},
                                 {"010 1234", &Config::separator}};
  for (const Row& row : rows) {
    for (bool on : {true, false}) {
      Config config;
      config.*row.pass = on;
      const Result<Normalized> full = normalize(row.input, config);
      const Result<std::optional<Normalized>> changes = normalize_changes(row.input, config);
      ASSERT_TRUE(full && changes) << row.input;
      EXPECT_EQ(changes->has_value(), on) << row.input;
      // Written into a Normalized of the caller's: the same, and nothing where nothing changed.
      Normalized into;
      const Result<bool> changed = normalize_changes_into(row.input, config, into);
      ASSERT_TRUE(changed) << row.input;
      EXPECT_EQ(*changed, on) << row.input;
      EXPECT_EQ(into.text, on ? full->text : "") << row.input;
      EXPECT_EQ(str(into.map), on ? str(full->map) : "") << row.input;
      if (on) {
        EXPECT_EQ((*changes)->text, full->text) << row.input;
        EXPECT_EQ(str((*changes)->map), str(full->map)) << row.input;
      } else {
        EXPECT_EQ(full->text, row.input);
        EXPECT_EQ(str(full->map), str(SpanMap::identity(row.input))) << row.input;
      }
    }
  }
  // The size limit is checked before any pass runs, changed or not.
  EXPECT_FALSE(normalize_changes("plain text", Config{}, 4));
  Normalized refused;
  EXPECT_FALSE(normalize_changes_into("plain text", Config{}, refused, 4));
}

TEST(Normalize, SwitchedOffPassesLeaveTheirShapesAlone) {
  Config config;
  config.fold = false;
  config.separator = false;
  const Result<Normalized> r = normalize("０１０-１２ O 일억", config);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->text, "０１０-１２ O 100000000");
  EXPECT_EQ(str(r->map),
            "identity 0-19/0-9>0-19/0-9 | expand 19-25/9-11>19-28/9-18 [hangul.unit_reading] e2");
}

}  // namespace
}  // namespace norvane
