#pragma once
// Which spans lie inside a strictly longer span of the same list (by byte range).
#include <span>
#include <vector>

#include "span/span.hpp"

namespace norvane {

// One flag per span, in input order. Sorts, then sweeps: no pairwise comparison.
std::vector<char> contained_spans(std::span<const Span> spans);

}  // namespace norvane
