// The readings of a digit run as kinds of personal information, and which findings lie
// inside longer ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "detect/candidates.hpp"
#include "detect/checksum.hpp"
#include "detect/containment.hpp"
#include "test_support.hpp"

namespace norvane {
namespace {

// Each candidate as "rule(certainty at most, checksum)", with "+ctx" when it needs context.
std::string readings(std::string_view run) {
  Digits d;
  EXPECT_TRUE(to_digits(run, d)) << run;
  std::vector<Candidate> out{Candidate{}};  // cleared first
  candidates(d, out);
  std::string text;
  for (const Candidate& c : out) {
    if (!text.empty()) text += ' ';
    text += std::string(c.rule) + '(' + std::string(certainty_name(c.max_certainty)) + ", " +
            std::string(checksum_name(c.checksum)) + (c.needs_context ? ", +ctx" : "") + ')';
    EXPECT_EQ(c.cues.data(), cues_for(c.entity).data()) << c.rule;
  }
  return text;
}

struct CandidateCase {
  std::string_view run;
  const char* readings;
};

TEST(Candidates, ReadingsOfDigitRunsInRuleOrder) {
  // clang-format off
  const std::vector<CandidateCase> cases = {
      {"8801011234568", "resident.korean_13(certain, passed) card.luhn(certain, failed)"
                        " account.length(probable, not_applicable, +ctx)"},          // a resident number
      {"8801015234561", "resident.foreigner_13(certain, passed) card.luhn(certain, failed)"
                        " account.length(probable, not_applicable, +ctx)"},          // a foreigner's number
      {"880101*******", "resident.korean_13(probable, not_applicable) card.luhn(certain, not_applicable)"
                        " account.length(probable, not_applicable, +ctx)"},          // masked: at most probable
      {"*************", "resident.korean_masked(probable, not_applicable) card.luhn(certain, not_applicable)"
                        " account.length(probable, not_applicable, +ctx)"},          // all masked
      {"8813011234568", "card.luhn(certain, failed) account.length(probable, not_applicable, +ctx)"},  // no such date
      {"01012345678",   "phone.mobile_11(probable, not_applicable) account.length(probable, not_applicable, +ctx)"},
      {"0111234567",    "business.10(certain, failed) phone.mobile_10(probable, not_applicable)"
                        " account.length(probable, not_applicable, +ctx)"},          // old mobile prefix
      {"0212345678",    "business.10(certain, failed) phone.seoul(probable, not_applicable)"
                        " account.length(probable, not_applicable, +ctx)"},          // Seoul, ten digits
      {"021234567",     "phone.seoul(probable, not_applicable)"},                     // Seoul, nine digits
      {"0311234567",    "business.10(certain, failed) phone.landline(probable, not_applicable)"
                        " account.length(probable, not_applicable, +ctx)"},          // a regional code
      {"1208147521",    "business.10(certain, passed) account.length(probable, not_applicable, +ctx)"},
      {"15881234",      "phone.representative(probable, not_applicable)"},            // a service number
      {"19880101",      "birth.yyyymmdd(probable, not_applicable, +ctx)"},
      {"880101",        "birth.yymmdd(probable, not_applicable, +ctx)"},
      {"000229",        "birth.yymmdd(probable, not_applicable, +ctx)"},              // 2000 was a leap year
      {"110123456789",  "license.12(probable, not_applicable, +ctx) account.length(probable, not_applicable, +ctx)"},
      {"290123456789",  "account.length(probable, not_applicable, +ctx)"},            // no licence region 29
      {"4111111111111111", "card.luhn(certain, passed)"},
      {"881301",        ""},                                                         // no month 13
      {"8801**",        ""},                                                         // dates are never masked
      {"12345",         ""},                                                         // too short for any rule
      {"12345678901234567890", ""},                                                  // too long for any rule
  };
  // clang-format on
  for (const CandidateCase& c : cases) EXPECT_EQ(readings(c.run), c.readings) << c.run;
}

// Every three-digit start, written out and with its third digit masked, at each length a
// telephone rule reads: the phone rules given are those whose prefixes the run begins with.
TEST(Candidates, PhoneRulesAtEveryThreeDigitStart) {
  struct PhoneRule {
    std::string_view rule;
    std::vector<std::size_t> lengths;
    std::vector<std::string_view> prefixes;
  };
  const std::vector<PhoneRule> rules = {
      {"phone.mobile_11", {11}, {"010", "011", "016", "017", "018", "019"}},
      {"phone.mobile_10", {10}, {"011", "016", "017", "018", "019"}},
      {"phone.seoul", {9, 10}, {"02"}},
      {"phone.representative", {8}, {"15", "16", "18"}},
      {"phone.landline",
       {10, 11},
       {"031", "032", "033", "041", "042", "043", "044", "051", "052", "053", "054", "055", "061",
        "062", "063", "064", "070"}},
  };
  for (int start = 0; start < 1000; ++start) {
    for (const bool masked : {false, true}) {
      for (std::size_t n = 8; n <= 11; ++n) {
        std::string run =
            std::to_string(1000 + start).substr(1) + std::string("45678901").substr(0, n - 3);
        if (masked) run[2] = '*';
        std::string want;
        for (const PhoneRule& r : rules) {
          bool begins = false;
          for (const std::string_view p : r.prefixes) begins = begins || run.starts_with(p);
          if (begins && std::find(r.lengths.begin(), r.lengths.end(), n) != r.lengths.end())
            want += std::string(want.empty() ? "" : " ") + std::string(r.rule);
        }
        std::string got;
        const std::string all = readings(run);
        for (std::size_t at = all.find("phone."); at != std::string::npos;
             at = all.find("phone.", at + 1))
          got += std::string(got.empty() ? "" : " ") + all.substr(at, all.find('(', at) - at);
        EXPECT_EQ(got, want) << run;
      }
    }
  }
}

TEST(Candidates, CueTablesAreRangesOfTheWholeList) {
  const auto all = all_cues();
  for (EntityKind kind : all_entities()) {
    const auto table = cues_for(kind);
    if (kind == EntityKind::email) {
      EXPECT_TRUE(table.empty());
      continue;
    }
    ASSERT_FALSE(table.empty()) << entity_name(kind);
    EXPECT_GE(table.data(), all.data());
    EXPECT_LE(table.data() + table.size(), all.data() + all.size());
  }
  EXPECT_EQ(cues_for(EntityKind::passport).data(), passport_cues().data());
  EXPECT_EQ(negative_cues().data() + negative_cues().size(), all.data() + all.size());
}

struct ContainmentCase {
  std::vector<Span> spans;
  std::vector<char> inside;
};

TEST(Containment, SpansInsideAStrictlyLongerOne) {
  using testing::A;
  // clang-format off
  const std::vector<ContainmentCase> cases = {
      {{A(0, 10), A(2, 5)},           {0, 1}},        // inside
      {{A(2, 5), A(0, 10)},           {1, 0}},        // the same, given out of order
      {{A(0, 5), A(0, 10)},           {1, 0}},        // same start, shorter
      {{A(5, 10), A(0, 10)},          {1, 0}},        // same end, shorter
      {{A(0, 5), A(0, 5)},            {0, 0}},        // equal spans keep each other
      {{A(0, 5), A(3, 8)},            {0, 0}},        // overlapping only
      {{A(0, 3), A(3, 6)},            {0, 0}},        // touching
      {{A(0, 20), A(1, 10), A(2, 5)}, {0, 1, 1}},     // nested twice
      {{A(4, 2), A(0, 10)},           {1, 0}},        // a reversed span counts as empty at its start
      {{},                            {}},
  };
  // clang-format on
  for (const ContainmentCase& c : cases) EXPECT_EQ(contained_spans(c.spans), c.inside);
}

}  // namespace
}  // namespace norvane
