// detect_findings() and append_masked(), the paths of callers that only replace findings: the
// same findings as every pass of detect() (evidence and all, or without it), and the same masked
// text as mask_findings() over those, for generated texts under many configs and every policy.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "detect/detect.hpp"
#include "mask/mask.hpp"

namespace norvane {
namespace {

std::string json_of(const std::vector<Finding>& findings) {
  std::string out;
  for (const Finding& f : findings) {
    json::write(out, f);
    out += '\n';
  }
  return out;
}

std::vector<Finding> without_evidence(std::vector<Finding> findings) {
  for (Finding& f : findings) f.evidence = Evidence{};
  return findings;
}

std::vector<Config> configs() {
  std::vector<Config> all(1);
  all.push_back(Config::thorough());
  for (const FamilyField& family : kFamilyFields) {
    Config one;
    one.*family.field = true;
    all.push_back(one);
  }
  Config wide;
  wide.context_window = 100;
  all.push_back(wide);
  Config blind;
  blind.context_window = 0;
  all.push_back(blind);
  Config raising;  // a negative cost raises a score: no run may be dropped early
  raising.absorbed_whitespace = -0.5f;
  raising.absorbed_separator = -0.2f;
  all.push_back(raising);
  Config lenient;
  lenient.min_score = 0.0f;
  lenient.min_context = 0.0f;
  all.push_back(lenient);
  Config strict;
  strict.min_score = 1.2f;
  strict.min_veto = 0.1f;
  all.push_back(strict);
  Config odd;
  odd.context = std::numeric_limits<float>::quiet_NaN();
  odd.replaced_char = std::numeric_limits<float>::infinity();
  all.push_back(odd);
  Config bare;
  bare.hangul = bare.lookalike = false;
  all.push_back(bare);
  return all;
}

std::vector<PolicySet> policy_sets() {
  std::vector<PolicySet> all;
  all.push_back(PolicySet{});
  for (Policy p : {Policy::redact_code(), Policy::redact_fill(U'#'), Policy::redact_fixed("<x>"),
                   Policy::partial(2, 2, U'*'), Policy::hash("key", 10)})
    all.push_back(PolicySet{{}, p});
  PolicySet mixed{{}, Policy::redact_code()};
  mixed.overrides.push_back({EntityKind::phone, Policy::partial(3, 4, U'*')});
  mixed.overrides.push_back({EntityKind::email, Policy::hash("k", 8)});
  all.push_back(mixed);
  return all;
}

// Both paths agree on one text under one config, for every policy set.
void expect_same(std::string_view text, const Config& config,
                 const std::vector<PolicySet>& policies) {
  Result<Report> full = detect_every_pass(text, config);
  Result<std::vector<Finding>> with = detect_findings(text, config, true);
  Result<std::vector<Finding>> bare = detect_findings(text, config, false);
  ASSERT_EQ(full.has_value(), with.has_value()) << text;
  ASSERT_EQ(full.has_value(), bare.has_value()) << text;
  if (!full) return;
  EXPECT_EQ(json_of(*with), json_of(full->findings)) << text;
  EXPECT_EQ(json_of(*bare), json_of(without_evidence(full->findings))) << text;
  for (const PolicySet& p : policies) {
    const MaskOutput expected = mask_findings(text, full->findings, p);
    std::string out = "before|";
    std::vector<Finding> findings = *bare;
    append_masked(out, text, findings, p);
    EXPECT_EQ(out, "before|" + expected.text) << text;
    EXPECT_EQ(findings.size(), expected.applied.size()) << text;
  }
}

TEST(DetectFindings, ListsUnderAVetoAreMendedOnlyAsTheFullPathMendsThem) {
  // A run joined from a list is split only when no candidate of the whole run was vetoed by a
  // business cue: a run dropped early must still say whether it was.
  const std::vector<std::string_view> texts = {
      "주문번호 010-1234-5678, 010-2345-6789",
      "주문번호 010 1234 5678 010 2345 6789",
      "연락처 010-1234-5678, 010-2345-6789",
      "고객센터 1588-1234, 02-123-4567, 010-9876-5432",
      "번호 12345678, 87654321, 880101-1234568",
      "송장번호 123456 789012 345678 901234",
      "바코드 8801234567890, 4111 1111 1111 1111",
      "1990. 1. 13.123-45-67890O1O-l234-5678 ISBN 978-89-1234-567-8\t12345678카드 ",
  };
  const std::vector<PolicySet> policies = policy_sets();
  for (const Config& config : configs())
    for (std::string_view t : texts) expect_same(t, config, policies);
}

TEST(DetectFindings, AgreesWithEveryPassOnGeneratedTexts) {
  const std::vector<std::string_view> pieces = {"연락처 ",
                                                "010-1234-5678",
                                                ", ",
                                                " ",
                                                "010 2345 6789",
                                                "주민번호 ",
                                                "880101-1234568",
                                                "카드 ",
                                                "4111 1111 1111 1111",
                                                "여권 ",
                                                "M12345678",
                                                "메일 ",
                                                "hong@example.com",
                                                "고객센터 ",
                                                "1588-1234",
                                                "주문번호 ",
                                                "2024-0001-5566",
                                                "12345678",
                                                "공일공 일이삼사 오육칠팔",
                                                "사업자등록번호 ",
                                                "123-45-67890",
                                                "계좌 ",
                                                "110-123-456789",
                                                "\n",
                                                "생년월일 ",
                                                "19900101",
                                                "1990. 1. 13.",
                                                "19,900원",
                                                "O1O-l234-5678",
                                                "９００１０１－２２３４５６７",
                                                "Tel +82-10-8764-4688",
                                                "운전면허 11-12-345678-90",
                                                "ISBN 978-89-1234-567-8",
                                                "v1.2.3",
                                                "대표번호 ",
                                                "|",
                                                "\t",
                                                "<th>전화</th><td>",
                                                "</td>",
                                                "phone: ",
                                                "hong(at)naver.com",
                                                "'90.1.1",
                                                "네, 확인했습니다. "};
  const std::vector<Config> all_configs = configs();
  const std::vector<PolicySet> policies = policy_sets();
  std::mt19937 rng(16);
  std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1), count(1, 8);
  std::string text;
  for (int i = 0; i < 600; ++i) {
    text.clear();
    for (std::size_t k = count(rng); k > 0; --k) text += pieces[piece(rng)];
    for (const Config& config : all_configs) expect_same(text, config, policies);
  }
}

}  // namespace
}  // namespace norvane
