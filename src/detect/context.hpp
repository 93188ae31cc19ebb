#pragma once
// Cue words near a span: where they are found and how much they weigh.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "detect/report.hpp"
#include "span/span.hpp"

namespace norvane {

// Which characters occur in a text, as a 128-bit Bloom signature: a cue whose characters are
// not all in a window's signature cannot occur there, and most cues are ruled out this way
// without a search (Hangul shares its lead bytes, so a byte test rules out almost nothing).
struct CharSignature {
  std::uint64_t bits[2] = {0, 0};

  constexpr void add(char32_t c) {
    const std::uint32_t h = (static_cast<std::uint32_t>(c) * 0x9E3779B1u) >> 25;  // 0..127
    bits[h >> 6] |= std::uint64_t{1} << (h & 63);
  }
  constexpr bool covers(const CharSignature& o) const {
    return (bits[0] & o.bits[0]) == o.bits[0] && (bits[1] & o.bits[1]) == o.bits[1];
  }
  static constexpr CharSignature of(std::string_view s) {
    CharSignature sig;
    for (std::size_t i = 0; i < s.size();) {
      const auto b = static_cast<unsigned char>(s[i]);
      std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
      if (i + n > s.size()) n = s.size() - i;
      char32_t c = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
      for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
      sig.add(c);
      i += n;
    }
    return sig;
  }
};

struct Cue {
  std::string_view word;  // static text
  float weight;
  CharSignature chars;

  constexpr Cue(std::string_view w, float wt) : word(w), weight(wt), chars(CharSignature::of(w)) {}
};

namespace context {

// The text searched on each side of a span, with the characters that occur in it.
struct Windows {
  std::string_view left;
  std::string_view right;
  CharSignature chars;
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
