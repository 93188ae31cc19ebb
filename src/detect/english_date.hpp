#pragma once
// Dates written with an English month name, alone or mixed with Korean: 5 Jan 1990,
// Jan. 5, 1990, January 5th, 1990, 05-JAN-1990, 1990년 Jan 5일 (the writing_variants family).
#include <cstddef>
#include <optional>
#include <string_view>

namespace norvane::extend {

struct ByteRange {
  std::size_t from, to;
};

// The date with a month name that holds the digit run [run_start, run_end) of `text`, or
// nothing. A year of two digits is read only in the day-MON-yy form of databases.
std::optional<ByteRange> english_date_around(std::string_view text, std::size_t run_start,
                                             std::size_t run_end);

}  // namespace norvane::extend
