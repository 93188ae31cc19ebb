// Dates with an English month name around a run of digits: readings whose month stands as far
// from their start, or their start as far before the run, as a reading allows.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "detect/english_date.hpp"

namespace norvane::extend {
namespace {

// The reading around the digits `run` (its first occurrence) as "from-to", or "none".
std::string reading(std::string_view text, std::string_view run) {
  const std::size_t at = text.find(run);
  EXPECT_NE(at, std::string_view::npos) << run;
  const auto r = english_date_around(text, at, at + run.size());
  return r ? std::to_string(r->from) + "-" + std::to_string(r->to) : "none";
}

TEST(EnglishDate, MonthsAtTheEdgesOfAReading) {
  struct Case {
    std::string_view text, run, want;
  };
  // clang-format off
  const Case cases[] = {
      // The month as far after the start as a reading puts it with a letter near the run: a
      // day with an ordinal, a gap of two spaces, a hyphen and two spaces, then "of ".
      {"12th  -  of January 1990", "12", "0-24"},
      {"12일  -  of January 1990", "1990", "0-25"},
      {"12일  -  of January 1990", "12", "none"},  // no letter close to the run
      {"1990년  Jan 5일", "1990", "0-17"},           // a year with 년
      {"5thJanuary 1990", "5", "0-15"},            // the month right after the ordinal
      {"05JAN1990", "05", "0-9"},
      {"05JAN1990", "1990", "0-9"},
      {"05-JAN-90", "05", "0-9"},                  // day-MON-yy
      {"15MAR86", "15", "0-7"},                    // as tickets write it: joined or spaced
      {"15 MAR 86", "86", "0-9"},
      {"15MAR86X", "15", "none"},                  // letters after the year
      {"15 MAR 860", "15", "none"},                // three digits are no short year
      {"31FEB86", "31", "none"},                   // no such day
      {"September 30th, 1990", "1990", "0-20"},    // the start 16 bytes before the run
      {"생일 Sept. 5, 1990 입니다", "1990", "7-20"},
      {"Jan 51990", "51990", "0-9"},               // day and year joined
      // No month close enough, or none at all.
      {"12일  -  of  January 1990", "12", "none"},  // a gap of three spaces
      {"Summary 1990", "1990", "none"},
      {"Mar 1990", "1990", "none"},                // a month without a day
      {"ab 1990", "1990", "none"},
      {"19", "19", "none"},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(reading(c.text, c.run), c.want) << c.text;
}

// The month found at every offset of the blocks the search reads at once, and near the ends
// of the text, in either case; a word that is no month found nowhere.
TEST(EnglishDate, MonthsAtEveryOffset) {
  const std::string filler = "가나 -ab 다xy. ";
  for (const std::string_view form : {"5 Jan 1990", "5 JAN 1990", "1990 Sept 5", "5 Jxn 1990"}) {
    const bool date = form.find("Jxn") == std::string_view::npos;
    for (std::size_t before = 0; before <= 40; ++before) {
      for (std::size_t after = 0; after <= 20; ++after) {
        std::string text;
        while (text.size() < before) text += filler;
        text.resize(before);
        if (before > 0) text.back() = ' ';
        text += form;
        while (text.size() < before + form.size() + after) text += filler;
        text.resize(before + form.size() + after);
        const std::string want =
            date ? std::to_string(before) + "-" + std::to_string(before + form.size()) : "none";
        EXPECT_EQ(reading(text, "1990"), want) << text;
      }
    }
  }
}

}  // namespace
}  // namespace norvane::extend
