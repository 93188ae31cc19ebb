// The year the thorough mode weighs dates against: the config's, or the clock's when it has none.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "batch/batch.hpp"
#include "detect/detect.hpp"
#include "detect/extend.hpp"

namespace norvane {
namespace {

// A birth date in 2027 under its label, and a resident number born in 2027 (seventh digit 3,
// check digit failed): what the thorough mode reads of them depends on the reference year.
constexpr std::string_view kText = "생년월일: 2027.03.15\nDOB 15 MAR 2027\n주민번호 270315-3123456";

using Seen = std::tuple<EntityKind, std::string, std::string_view>;

std::vector<Seen> seen(const Report& report) {
  std::vector<Seen> out;
  for (const Finding& f : report.findings)
    out.emplace_back(f.entity, std::string(kText.substr(f.source.byte_start, f.source.byte_len())),
                     f.evidence.rule);
  return out;
}

Config thorough_at(unsigned year) {
  Config c = Config::thorough();
  c.reference_year = static_cast<std::uint16_t>(year);
  return c;
}

unsigned clock_year() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return static_cast<unsigned>(static_cast<int>(std::chrono::year_month_day{today}.year()));
}

TEST(ReferenceYear, TheConfigsYearElseTheClocks) {
  EXPECT_EQ(extend::reference_year(thorough_at(1999)), 1999u);
  EXPECT_EQ(extend::reference_year(Config{}), clock_year());
  EXPECT_EQ(extend::reference_year(Config::thorough()), clock_year());
}

TEST(ReferenceYear, DatedAfterComparesTheFirstYearOfThisCentury) {
  for (std::string_view date : {"2027.03.15", "20270315", "2027"}) {
    EXPECT_TRUE(extend::dated_after(date, 2026)) << date;
    EXPECT_FALSE(extend::dated_after(date, 2027)) << date;
  }
  EXPECT_FALSE(extend::dated_after("1999.12.31", 1950));  // only years of this century count
  EXPECT_FALSE(extend::dated_after("270315", 2000));      // nor two-digit years
}

TEST(ReferenceYear, FindingsFollowThePinnedYear) {
  const auto before = detect(kText, thorough_at(2026));
  const auto after = detect(kText, thorough_at(2027));
  ASSERT_TRUE(before && after);
  EXPECT_EQ(seen(*before), (std::vector<Seen>{
                               {EntityKind::resident, "270315-3123456", "resident.korean_13"},
                           }));
  EXPECT_EQ(seen(*after), (std::vector<Seen>{
                              {EntityKind::birth_date, "2027.03.15", "birth.yyyymmdd"},
                              {EntityKind::birth_date, "15 MAR 2027", "birth.english_month"},
                              {EntityKind::resident, "270315-3123456", "resident.recent"},
                          }));
}

TEST(ReferenceYear, ReachesTheBatchsWorkerThreads) {
  const std::vector<std::string_view> texts(40, kText);
  for (unsigned year : {2026u, 2027u}) {
    const Config config = thorough_at(year);
    const auto one = detect(kText, config);
    const auto many = batch::detect_many(batch::Texts{texts, true}, config, batch::Options{2});
    ASSERT_TRUE(one && many);
    for (const Report& r : *many) EXPECT_EQ(seen(r), seen(*one)) << year;
  }
}

}  // namespace
}  // namespace norvane
