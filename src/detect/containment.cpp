#include "detect/containment.hpp"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "error/interrupt.hpp"

namespace norvane {

namespace {
// Work units of a span looked at, for interrupt polls (about bytes of text elsewhere).
constexpr std::size_t kUnitsPerSpan = 16;
}  // namespace

std::vector<char> contained_spans(std::span<const Span> spans) {
  const std::size_t n = spans.size();
  std::vector<char> inside(n, 0);
  if (n < 2) return inside;
  // Lengths count as 0 when a range is reversed.
  auto end_of = [&](std::size_t i) { return std::max(spans[i].byte_end, spans[i].byte_start); };
  // Spans are looked at in groups of equal starts, in start order; detection hands them
  // over sorted already, anything else is sorted here.
  auto by_start = [](const Span& a, const Span& b) { return a.byte_start < b.byte_start; };
  const bool sorted = std::is_sorted(spans.begin(), spans.end(), by_start);
  std::vector<std::size_t> order;
  if (!sorted) {
    order.resize(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return by_start(spans[a], spans[b]); });
  }
  auto at = [&](std::size_t k) { return sorted ? k : order[k]; };
  // Anything that starts earlier and ends no earlier is strictly longer; among equal starts
  // only a later end is.
  bool any_before = false;
  std::uint32_t max_end_before = 0;
  interrupt::Poll poll;  // millions of findings take tens of milliseconds
  for (std::size_t g = 0; g < n;) {
    poll.advance(kUnitsPerSpan);
    const std::uint32_t start = spans[at(g)].byte_start;
    std::uint32_t group_end = 0;
    std::size_t m = g;
    for (; m < n && spans[at(m)].byte_start == start; ++m)
      group_end = std::max(group_end, end_of(at(m)));
    for (std::size_t k = g; k < m; ++k) {
      const std::uint32_t e = end_of(at(k));
      if ((any_before && max_end_before >= e) || group_end > e) inside[at(k)] = 1;
    }
    max_end_before = any_before ? std::max(max_end_before, group_end) : group_end;
    any_before = true;
    g = m;
  }
  return inside;
}

}  // namespace norvane
