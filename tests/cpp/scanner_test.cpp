// The shapes in a normalized text: digit runs, e-mail addresses and passport numbers.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "../../fuzz/fuzz_common.hpp"
#include "../../fuzz/reference.hpp"
#include "detect/scanner.hpp"
#include "test_support.hpp"

namespace norvane {
namespace {

std::string spans(const std::vector<Span>& list) {
  std::string out;
  for (const Span& s : list) {
    if (!out.empty()) out += ' ';
    out += testing::str(s);
  }
  return out;
}

struct ScanCase {
  std::string_view text;
  const char* runs;
  const char* emails;
  const char* passports;
};

TEST(Scanner, FindsEachShapeWithItsOffsets) {
  // clang-format off
  const std::vector<ScanCase> cases = {
      {"전화 01012345678", "7-18/3-14", "", ""},                 // after Korean text: characters differ from bytes
      {"880101-1234568", "0-6 7-14", "", ""},                    // a hyphen ends a run
      {"1 22 333", "2-4 5-8", "", ""},                           // one digit is no run
      {"880101*******", "0-13", "", ""},                         // masked digits belong to the run
      {"주민 **12xX", "7-13/3-9", "", ""},                       // a run may start with masks before its digit
      {"x*12", "0-4", "", ""},                                   // lower-case "x" masks a digit too
      {"xX*", "", "", ""},                                       // masks alone are no run
      {"M12345678", "1-9", "", "0-9"},                           // one letter, eight digits
      {"여권 AB1234567.", "9-16/5-12", "", "7-16/3-12"},         // two letters, seven digits
      {"X1234567", "0-8", "", "0-8"},                            // a capital X starts both shapes
      {"M123456 aM1234567 M12345678a", "1-7 10-17 19-27", "", ""},  // too short; letter before; letter after
      {"메일 kim.s@example.co.kr, 끝", "", "7-26/3-22", ""},      // an address between Korean words
      {".a@b.com", "", "1-8", ""},                               // a leading dot is no part of it
      {"a@b.co- a@b a@b.c a@.com", "", "0-6", ""},               // a trailing hyphen is cut; the others fail
      {"id 12@34.kr", "3-5 6-8", "3-11", ""},                    // digits inside an address still run
  };
  // clang-format on
  for (const ScanCase& c : cases) {
    Shapes shapes;
    scan(c.text, shapes);
    EXPECT_EQ(spans(shapes.runs), c.runs) << c.text;
    EXPECT_EQ(spans(shapes.emails), c.emails) << c.text;
    EXPECT_EQ(spans(shapes.passports), c.passports) << c.text;
    // The single-shape functions agree with the combined scan.
    EXPECT_EQ(digit_runs(c.text), shapes.runs) << c.text;
    EXPECT_EQ(emails(c.text), shapes.emails) << c.text;
    EXPECT_EQ(passports(c.text), shapes.passports) << c.text;
  }
}

// The scan skips blocks of sixteen and eight bytes: a shape at every offset of a long text
// must be found with the right character offsets.
TEST(Scanner, OffsetsHoldAtEveryPositionOfALongText) {
  for (std::size_t pad = 0; pad < 40; ++pad) {
    std::string text;
    for (std::size_t k = 0; k < pad; ++k) text += (k % 3 == 0) ? "가" : " ";
    const std::uint32_t bytes = static_cast<std::uint32_t>(text.size());
    const std::uint32_t chars = static_cast<std::uint32_t>(pad);
    text += "01012345678 a@b.kr";
    Shapes shapes;
    scan(text, shapes);
    ASSERT_EQ(shapes.runs.size(), 1u) << pad;
    EXPECT_EQ(shapes.runs[0], (Span{bytes, bytes + 11, chars, chars + 11})) << pad;
    ASSERT_EQ(shapes.emails.size(), 1u) << pad;
    EXPECT_EQ(shapes.emails[0], (Span{bytes + 12, bytes + 18, chars + 12, chars + 18})) << pad;
  }
}

// Runs are read sixteen bytes at a time: runs of every length from every offset, with masks,
// capitals (passports inside and after runs) and Korean around them, against the plain reading.
TEST(Scanner, LongRunsAgreeWithThePlainReading) {
  const std::string_view pieces[] = {"7", "0", "*", "x", "X", "M", "AB", "가", " ", "-", "@", "a"};
  std::uint32_t state = 12345;
  auto next = [&] {
    state = state * 1103515245u + 12345u;
    return state >> 16;
  };
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const std::size_t pad = next() % 40;
    for (std::size_t k = 0; k < pad; ++k) text += (k % 4 == 0) ? "나" : "b";
    const std::size_t parts = 1 + next() % 60;
    for (std::size_t k = 0; k < parts; ++k) {
      // Mostly digits, so that runs grow past a block of sixteen.
      const unsigned pick = next() % 24;
      text += pick < 12 ? pieces[1 - pick % 2] : pieces[pick - 12];
    }
    const auto idx = fuzz::char_index(text);
    Shapes shapes;
    scan(text, shapes);
    EXPECT_EQ(spans(shapes.runs), spans(fuzz::ref::digit_runs(text, idx))) << text;
    EXPECT_EQ(spans(shapes.passports), spans(fuzz::ref::passports(text, idx))) << text;
    EXPECT_EQ(spans(shapes.emails), spans(fuzz::ref::emails(text, idx))) << text;
  }
}

}  // namespace
}  // namespace norvane
