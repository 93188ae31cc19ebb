#pragma once
// The English names of the months, lower case, January first: the date reader matches them and
// their abbreviations (Jan, Sept) and the look-alike pass reads a scanned date's month by them.
#include <cstddef>
#include <string_view>

namespace norvane {

inline constexpr std::string_view kEnglishMonthNames[] = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};

// Letters of a month's abbreviation (jan, feb ... dec): the first three of its name.
inline constexpr std::size_t kMonthAbbreviationLength = 3;

}  // namespace norvane
