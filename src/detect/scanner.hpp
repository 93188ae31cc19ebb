#pragma once
// Shapes in the normalized text: digit runs, e-mail addresses and passport numbers.
// Each returns ascending, non-overlapping spans (e-mail spans may share characters).
#include <string_view>
#include <vector>

#include "span/span.hpp"

namespace norvane {

std::vector<Span> digit_runs(std::string_view text);
std::vector<Span> emails(std::string_view text);
std::vector<Span> passports(std::string_view text);

}  // namespace norvane
