// The size limit of texts: offsets are 32-bit, so a text and its normalized form must be
// shorter than 4 GiB. normalize() takes the limit as a parameter, so it is tested lowered.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "normalize/pipeline.hpp"
#include "span/limits.hpp"

namespace norvane {
namespace {

TEST(TextSizeLimit, AcceptsUpToTheLastByteOffsetAndRefusesBeyond) {
  EXPECT_EQ(text_size_error("text", 0), std::nullopt);
  EXPECT_EQ(text_size_error("text", 0xFFFFFFFFull), std::nullopt);  // 4 GiB less one byte
  EXPECT_EQ(text_size_error("text", 0x100000000ull),
            "argument 'text': text of 4294967296 bytes is too large; texts must be shorter than "
            "4 GiB (4294967296 bytes) of UTF-8");
  EXPECT_EQ(text_size_error("masked", UINT64_MAX),
            "argument 'masked': text of 18446744073709551615 bytes is too large; texts must be "
            "shorter than 4 GiB (4294967296 bytes) of UTF-8");
  EXPECT_EQ(
      text_size_error("text", 4, 3),
      "argument 'text': text of 4 bytes is too large; texts must be shorter than 4 bytes of UTF-8");
}

// "일억 " (7 bytes) reads as "100000000 " (10 bytes) before the separator pass joins the runs
// again: three of them are 21 bytes, 30 after the numeral pass, 28 at the end.
const std::string kHundredMillions = "일억 일억 일억 ";

TEST(NormalizedSizeLimit, AFormWithinTheLimitIsKept) {
  const Result<Normalized> lowered = normalize(kHundredMillions, Config{}, 30);
  ASSERT_TRUE(lowered);
  EXPECT_EQ(lowered->text, "100000000100000000100000000 ");
  const Result<Normalized> full = normalize(kHundredMillions, Config{});
  ASSERT_TRUE(full);
  EXPECT_EQ(lowered->text, full->text);
  EXPECT_EQ(lowered->map, full->map);
}

TEST(NormalizedSizeLimit, AFormPastTheLimitIsRefused) {
  for (std::uint64_t limit : {21u, 25u, 29u}) {
    const Result<Normalized> r = normalize(kHundredMillions, Config{}, limit);
    ASSERT_FALSE(r) << limit;
    EXPECT_EQ(r.error().kind, Error::Kind::text_too_large);
    EXPECT_EQ(r.error().text(),
              "argument 'text': text of 21 bytes is too large once normalized; texts and their "
              "normalized form must be shorter than " +
                  std::to_string(limit + 1) + " bytes of UTF-8");
  }
}

TEST(NormalizedSizeLimit, GrowthAfterShrinkingCountsFromTheInputSize) {
  // "구" (3 bytes) becomes "9": six of them give twelve bytes back before the two hundred
  // millions grow by six, so the 32 bytes end as 26 and fit a limit of 32.
  const std::string text = "구구구구구구 일억 일억";
  ASSERT_EQ(text.size(), 32u);
  const Result<Normalized> lowered = normalize(text, Config{}, 32);
  ASSERT_TRUE(lowered);
  EXPECT_EQ(lowered->text, normalize(text, Config{})->text);
}

TEST(NormalizedSizeLimit, AnInputPastTheLimitGetsTheArgumentMessage) {
  const Result<Normalized> r = normalize("abcd", Config{}, 3);
  ASSERT_FALSE(r);
  EXPECT_EQ(r.error().kind, Error::Kind::text_too_large);
  EXPECT_EQ(
      r.error().text(),
      "argument 'text': text of 4 bytes is too large; texts must be shorter than 4 bytes of UTF-8");
}

}  // namespace
}  // namespace norvane
