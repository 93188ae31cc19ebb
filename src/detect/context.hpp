#pragma once
// Cue words near a span: where they are found and how much they weigh.
#include <bitset>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "detect/report.hpp"
#include "span/span.hpp"

namespace norvane {

struct Cue {
  std::string_view word;  // static text
  float weight;
};

namespace context {

// The text searched on each side of a span, with the bytes that occur in it.
struct Windows {
  std::string_view left;
  std::string_view right;
  std::bitset<256> present;
};
Windows windows(std::string_view text, const Span& span, std::uint32_t window);
// Hits of one cue table in windows already cut (clears `out` first).
void find(const Windows& windows, std::span<const Cue> cues, std::vector<ContextHit>& out);

// Hits of the cue table in the `window` characters on each side of `span` in `text`, sorted
// by weight (highest first), then by cue bytes. Clears `out` first.
void find(std::string_view text, const Span& span, std::uint32_t window, std::span<const Cue> cues,
          std::vector<ContextHit>& out);
std::vector<ContextHit> find(std::string_view text, const Span& span, std::uint32_t window,
                             std::span<const Cue> cues);

// Sum of the hit weights in list order, capped at 1.5.
float total(const std::vector<ContextHit>& hits);

}  // namespace context
}  // namespace norvane
