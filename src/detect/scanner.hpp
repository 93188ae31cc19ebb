#pragma once
// Shapes in the normalized text: digit runs, e-mail addresses and passport numbers.
// Each list is ascending and non-overlapping (e-mail spans may share characters).
#include <string_view>
#include <vector>

#include "span/span.hpp"

namespace norvane {

struct Shapes {
  std::vector<Span> emails;
  std::vector<Span> passports;
  std::vector<Span> runs;  // digit runs
};

// All three shapes in one pass over the text (lists cleared first).
void scan(std::string_view text, Shapes& out);

std::vector<Span> digit_runs(std::string_view text);
std::vector<Span> emails(std::string_view text);
std::vector<Span> passports(std::string_view text);

}  // namespace norvane
