// nothing_to_detect(): true only where detect() finds, rejects and changes nothing, and the two
// pass tests it rests on agree with their passes.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "detect/detect.hpp"
#include "detect/nothing_to_detect.hpp"
#include "normalize/passes.hpp"
#include "span/limits.hpp"

namespace norvane {
namespace {

Config with_extensions(bool extra_shapes, bool writing_variants) {
  Config c;
  c.extra_shapes = extra_shapes;
  c.writing_variants = writing_variants;
  return c;
}

// The claim itself: when the test says nothing, every pass of detect says nothing too.
void expect_agrees(std::string_view text, const Config& config) {
  const bool clear = nothing_to_detect(text, config);
  Result<Report> report = detect_every_pass(text, config);
  ASSERT_TRUE(report) << text;
  if (!clear) return;
  EXPECT_TRUE(report->findings.empty()) << text;
  EXPECT_TRUE(report->rejections.empty()) << text;
  EXPECT_EQ(report->normalized_text, text);
}

TEST(NothingToDetect, TextsWithAndWithoutShapes) {
  struct Case {
    std::string_view text;
    bool clear;
  };
  const std::vector<Case> cases = {
      {"", true},
      {"고객이 여러 번 전화했으나 연결이 안 돼 불만이 큼.", true},
      {"담당자에게 이관, 내일 오전 중 회신 예정.", true},
      {"Hello, world · “quoted” …", true},  // punctuation that folds to nothing
      {"연락처 010-1234-5678", false},      // digits
      {"메일 hong@example.com", false},     // "@"
      {"XOXOX", false},                     // masked-digit marks: look-alikes read as digits
      {"***-**-****", false},
      {"box", false},                       // "x"
      {"번호 ０１０", false},               // full-width digits fold to digits
      {"전화\u3000번호", false},            // an ideographic space folds
      {"a\u2013b", false},                  // a dash folds
      {"\u1100\u1161\u11a8", false},        // jamo compose into a syllable
      {"공일공 일이삼사 오육칠팔", false},  // spoken digits are read
      {"팔팔공일공일", false},
      {"삼십세", false},    // a numeral with a unit before a context syllable
      {"일이 많다", true},  // two syllables, no context: stays
      {"이사 가는 날", true},
  };
  const Config base;
  for (const Case& c : cases) {
    EXPECT_EQ(nothing_to_detect(c.text, base), c.clear) << c.text;
    expect_agrees(c.text, base);
  }
}

TEST(NothingToDetect, NeverUnderFamiliesWithShapesOfTheirOwn) {
  const std::string_view plain = "고객이 여러 번 전화했으나 연결이 안 돼 불만이 큼.";
  EXPECT_TRUE(nothing_to_detect(plain, with_extensions(false, false)));
  EXPECT_FALSE(nothing_to_detect(plain, with_extensions(true, false)));
  EXPECT_FALSE(nothing_to_detect(plain, with_extensions(false, true)));
  EXPECT_FALSE(nothing_to_detect(plain, Config::thorough()));
  Config other_families;  // these only weigh shapes found by the base scan
  other_families.label_reading = other_families.structure = other_families.company_veto = true;
  other_families.lookalike_veto = other_families.numeral_words = true;
  other_families.recent_resident = true;
  EXPECT_TRUE(nothing_to_detect(plain, other_families));
}

TEST(NothingToDetect, DisabledPassesAreNotAsked) {
  Config no_hangul;
  no_hangul.hangul = false;
  EXPECT_FALSE(nothing_to_detect("팔팔공일공일", Config{}));
  EXPECT_TRUE(nothing_to_detect("팔팔공일공일", no_hangul));
  Config no_fold;
  no_fold.fold = false;
  EXPECT_TRUE(nothing_to_detect("전화\u3000번호", no_fold));
  Config no_nfc;
  no_nfc.nfc = false;
  EXPECT_TRUE(nothing_to_detect("\u1100\u1161\u11a8", no_nfc));
  for (const Config& c : {no_hangul, no_fold, no_nfc}) {
    expect_agrees("팔팔공일공일", c);
    expect_agrees("전화\u3000번호", c);
    expect_agrees("\u1100\u1161\u11a8", c);
  }
}

// Every text of up to three pieces from an alphabet of numeral syllables, context syllables,
// jamo, marks, folding characters and separators, under configs that move the numeral rules:
// the pass tests agree with their passes, and the claim holds.
TEST(NothingToDetect, AgreesWithThePassesOnEveryShortText) {
  const std::vector<std::string_view> pieces = {
      "일",   "이",   "삼",     "십",     "백",     "만",     "공",     "팔",     "구", "하나",
      "여덟", "다섯", "번",     "호",     "세",     "월",     "가",     "요",     "고", " ",
      "  ",   "-",    "\u2010", "\u00a0", "\u3000", "\u1100", "\u1161", "\u11a8", "０", "Ｏ",
      "＠",   "O",    "l",      "x",      "*",      "@",      "1",      ".",      "\n", "·"};
  std::vector<Config> configs(4);
  configs[1].numeral_min_digits_with_context = 1;
  configs[2].numeral_min_digits_without_context = 1;
  configs[3].numeral_words = true;
  configs[3].numeral_min_digits_without_context = 2;
  std::string text;
  std::size_t clear = 0;
  for (std::size_t a = 0; a < pieces.size(); ++a)
    for (std::size_t b = 0; b <= pieces.size(); ++b)
      for (std::size_t c = 0; c <= pieces.size(); c += 3) {
        text = pieces[a];
        if (b < pieces.size()) text += pieces[b];
        if (c < pieces.size()) text += pieces[c];
        EXPECT_EQ(passes::folds_anything(text), passes::fold(text).has_value()) << text;
        for (const Config& config : configs) {
          bool too_large = false;
          EXPECT_EQ(
              passes::reads_any_numeral(text, config),
              passes::read_hangul_numerals(text, config, kMaxTextBytes, too_large).has_value())
              << text;
          clear += nothing_to_detect(text, config);
          expect_agrees(text, config);
        }
      }
  EXPECT_GT(clear, 1000u);  // the sweep reaches texts that pass, not only ones that fail
}

}  // namespace
}  // namespace norvane
