// The replacement pass over findings given by the caller: which are applied, which skipped
// (overlapping an earlier one, outside the text, cutting a character), in what order, with
// which policy.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "mask/mask.hpp"

namespace norvane {
namespace {

Finding at(EntityKind kind, std::uint32_t start, std::uint32_t end) {
  Finding f{};
  f.entity = kind;
  f.source = Span{start, end, start, end};
  f.score = static_cast<float>(start);  // tells the findings apart after moves
  return f;
}

std::vector<std::pair<std::uint32_t, std::uint32_t>> spans(const std::vector<Finding>& fs) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> out;
  for (const Finding& f : fs) {
    out.emplace_back(f.source.byte_start, f.source.byte_end);
    EXPECT_EQ(f.score, static_cast<float>(f.source.byte_start));
  }
  return out;
}

using Pairs = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

// "전화 010-1234-5678, 번호 12345 끝": 전 and 화 are 3 bytes each.
const std::string kText = "전화 010-1234-5678, 번호 12345 끝";

TEST(MaskFindings, SkipsOverlapsAndBadSpansAndKeepsTheRestInOrder) {
  const PolicySet labels{{}, Policy::redact_label()};
  // Out of order; one overlaps the phone, one cuts 번 in two, one runs past the end.
  std::vector<Finding> findings{at(EntityKind::bank_account, 29, 34), at(EntityKind::phone, 7, 20),
                                at(EntityKind::birth_date, 10, 15),
                                at(EntityKind::resident, 23, 25), at(EntityKind::email, 34, 60)};
  const MaskOutput out = mask_findings(kText, std::move(findings), labels);
  EXPECT_EQ(out.text, "전화 [전화번호], 번호 [계좌번호] 끝");
  EXPECT_EQ(spans(out.applied), (Pairs{{7, 20}, {29, 34}}));
  EXPECT_EQ(spans(out.skipped), (Pairs{{10, 15}, {23, 25}, {34, 60}}));
  EXPECT_FALSE(out.restore);
}

TEST(MaskFindings, NothingSkippedAppliesEveryFindingWithItsKindsPolicy) {
  // Overrides per kind, the default for the rest.
  PolicySet policies{{}, Policy::redact_fill(U'#')};
  policies = policies.with(EntityKind::phone, Policy::partial(3, 4, U'*'));
  policies = policies.with(EntityKind::bank_account, Policy::redact_code());
  std::vector<Finding> findings{at(EntityKind::phone, 7, 20), at(EntityKind::bank_account, 29, 34)};
  const MaskOutput out = mask_findings(kText, std::move(findings), policies);
  EXPECT_EQ(out.text, "전화 010******5678, 번호 [BANK_ACCOUNT] 끝");
  EXPECT_EQ(spans(out.applied), (Pairs{{7, 20}, {29, 34}}));
  EXPECT_TRUE(out.skipped.empty());

  std::vector<Finding> birth{at(EntityKind::birth_date, 29, 34)};
  EXPECT_EQ(mask_findings(kText, std::move(birth), policies).text,
            "전화 010-1234-5678, 번호 ##### 끝");
}

TEST(TokensInPlace, EveryTokenWhereItsStartSaysInOrderWithoutOverlap) {
  const PolicySet tokens{{}, Policy::tokenize()};
  std::vector<Finding> findings{at(EntityKind::phone, 7, 20), at(EntityKind::bank_account, 29, 34)};
  const MaskOutput out = mask_findings(kText, std::move(findings), tokens);
  ASSERT_EQ(out.token_starts, (std::vector<std::size_t>{7, 25}));
  EXPECT_TRUE(tokens_in_place(out));
  EXPECT_TRUE(tokens_in_place(mask_findings(kText, {}, tokens)));  // no token, no start
  EXPECT_TRUE(tokens_in_place(MaskOutput{"x", {}, {}, std::nullopt, {}}));

  MaskOutput moved = out;
  moved.token_starts[1] += 1;  // one byte off
  EXPECT_FALSE(tokens_in_place(moved));
  MaskOutput swapped = out;
  std::swap(swapped.restore->entries[0], swapped.restore->entries[1]);
  std::swap(swapped.token_starts[0], swapped.token_starts[1]);  // each in place, out of order
  EXPECT_FALSE(tokens_in_place(swapped));
  MaskOutput missing = out;
  missing.token_starts.pop_back();
  EXPECT_FALSE(tokens_in_place(missing));
  MaskOutput past = out;
  past.token_starts[1] = past.text.size() + 1;
  EXPECT_FALSE(tokens_in_place(past));
  MaskOutput stray = out;
  stray.restore.reset();  // starts without a restore map
  EXPECT_FALSE(tokens_in_place(stray));
}

TEST(MaskFindings, AllSkippedLeavesTheText) {
  const PolicySet labels{{}, Policy::redact_label()};
  std::vector<Finding> findings{at(EntityKind::phone, 1, 4), at(EntityKind::phone, 50, 52)};
  const MaskOutput out = mask_findings(kText, std::move(findings), labels);
  EXPECT_EQ(out.text, kText);
  EXPECT_TRUE(out.applied.empty());
  EXPECT_EQ(spans(out.skipped), (Pairs{{1, 4}, {50, 52}}));
}

}  // namespace
}  // namespace norvane
