// One token prefix for several texts, and outputs that share it: the opener stands in each
// masked text only where a token was written.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "detect/detect.hpp"
#include "mask/mask.hpp"
#include "mask/token_prefix.hpp"

namespace norvane {
namespace {

std::string choose(std::vector<std::string_view> texts) { return choose_token_prefix(texts); }

TEST(TokenPrefix, SkipsTheOpenersOfEveryText) {
  EXPECT_EQ(choose({}), "PII");
  EXPECT_EQ(choose({"plain", "text"}), "PII");
  EXPECT_EQ(choose({"[[PII:", "x"}), "PII0");
  EXPECT_EQ(choose({"x", "[[PII: [[PII1:", "[[PII0:"}), "PII2");
  // An opener split across two texts is in neither of them.
  EXPECT_EQ(choose({"[[PI", "I:"}), "PII");
  EXPECT_EQ(token_opener("PII7"), "[[PII7:");
}

// Masks each source with the prefix chosen over all of them, then settles the batch.
std::vector<MaskOutput> mask_batch(const std::vector<std::string>& sources,
                                   const PolicySet& policies) {
  std::vector<std::string_view> views(sources.begin(), sources.end());
  const std::string prefix = choose_token_prefix(views);
  std::vector<MaskOutput> outputs;
  for (std::string_view s : views) {
    auto report = detect(s, Config{});
    EXPECT_TRUE(report);
    outputs.push_back(mask_findings_with_prefix(s, std::move(report->findings), policies, prefix));
  }
  settle_token_prefix(outputs, views);
  return outputs;
}

std::size_t openers(const MaskOutput& out) {
  const std::string opener = token_opener(out.restore->prefix);
  std::size_t n = 0;
  for (std::size_t at = out.text.find(opener); at != std::string::npos;
       at = out.text.find(opener, at + 1))
    ++n;
  return n;
}

TEST(TokenPrefix, ABatchKeepsItsPrefixWhereNothingCollides) {
  const PolicySet tokens{{}, Policy::tokenize()};
  const auto outs = mask_batch({"연락처 010-1234-5678", "[[PII: 주민번호 880101-1234568"}, tokens);
  ASSERT_EQ(outs.size(), 2u);
  EXPECT_EQ(outs[0].text, "연락처 [[PII0:0]]");
  EXPECT_EQ(outs[1].text, "[[PII: 주민번호 [[PII0:0]]");
  EXPECT_EQ(outs[0].token_starts, std::vector<std::size_t>{10});
}

TEST(TokenPrefix, AFixedTextInOneOutputMovesThePrefixOfAll) {
  const PolicySet policies =
      PolicySet{{}, Policy::tokenize()}.with(EntityKind::phone, Policy::redact_fixed("[[PII:0]]"));
  const auto outs = mask_batch(
      {"주민번호 880101-1234568", "연락처 010-1234-5678 주민번호 880101-1234568"}, policies);
  EXPECT_EQ(outs[0].text, "주민번호 [[PII0:0]]");
  EXPECT_EQ(outs[1].text, "연락처 [[PII:0]] 주민번호 [[PII0:0]]");
  for (const MaskOutput& out : outs) {
    EXPECT_EQ(out.restore->prefix, "PII0");
    EXPECT_EQ(openers(out), out.restore->len());
    EXPECT_TRUE(tokens_stand_alone(out));
    auto back = unmask(out.text, *out.restore);
    ASSERT_TRUE(back);
  }
  EXPECT_EQ(*unmask(outs[1].text, *outs[1].restore), "연락처 [[PII:0]] 주민번호 880101-1234568");
}

TEST(TokenPrefix, RewritingTokensKeepsTheTextAroundThem) {
  MaskOutput out;
  out.restore = RestoreMap{"PII", {}};
  out.text = "a ";
  out.token_starts.push_back(out.text.size());
  out.text += out.restore->push(EntityKind::phone, "010-1234-5678");
  out.text += " b ";
  out.token_starts.push_back(out.text.size());
  out.text += out.restore->push(EntityKind::email, "kim@example.com");
  rewrite_tokens(out, "PII12");
  EXPECT_EQ(out.text, "a [[PII12:0]] b [[PII12:1]]");
  EXPECT_EQ(out.token_starts, (std::vector<std::size_t>{2, 16}));
  EXPECT_EQ(out.restore->entries[1].token, "[[PII12:1]]");
  std::vector<std::string_view> between;
  text_between_tokens(out, between);
  EXPECT_EQ(between, (std::vector<std::string_view>{"a ", " b ", ""}));
}

}  // namespace
}  // namespace norvane
