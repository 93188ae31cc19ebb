#pragma once
// Spans in byte and character coordinates, normalization costs and source projections.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "span/rule_set.hpp"

namespace norvane {

struct Span {
  std::uint32_t byte_start = 0;
  std::uint32_t byte_end = 0;
  std::uint32_t char_start = 0;
  std::uint32_t char_end = 0;

  std::uint32_t byte_len() const { return byte_end > byte_start ? byte_end - byte_start : 0; }
  std::uint32_t char_len() const { return char_end > char_start ? char_end - char_start : 0; }
  bool is_empty() const { return !(byte_start < byte_end); }
  std::pair<std::uint32_t, std::uint32_t> end_position() const { return {byte_end, char_end}; }
  bool operator==(const Span&) const = default;
};

struct NormalizationCost {
  std::uint16_t absorbed_whitespace = 0;
  std::uint16_t absorbed_separators = 0;
  std::uint16_t expanded_syllables = 0;
  std::uint16_t replaced_chars = 0;

  bool is_zero() const {
    return absorbed_whitespace == 0 && absorbed_separators == 0 && expanded_syllables == 0 &&
           replaced_chars == 0;
  }
  bool operator==(const NormalizationCost&) const = default;

  static std::uint16_t saturate(std::uint64_t n) {
    return static_cast<std::uint16_t>(std::min<std::uint64_t>(n, 65535));
  }
  NormalizationCost& operator+=(const NormalizationCost& o) {
    absorbed_whitespace = saturate(std::uint64_t{absorbed_whitespace} + o.absorbed_whitespace);
    absorbed_separators = saturate(std::uint64_t{absorbed_separators} + o.absorbed_separators);
    expanded_syllables = saturate(std::uint64_t{expanded_syllables} + o.expanded_syllables);
    replaced_chars = saturate(std::uint64_t{replaced_chars} + o.replaced_chars);
    return *this;
  }
  friend NormalizationCost operator+(NormalizationCost a, const NormalizationCost& b) {
    return a += b;
  }
};

struct SourceSpan {
  Span span;
  bool snapped = false;
  RuleSet rules;
  NormalizationCost cost;
};

// Sorts rule names by bytes and drops duplicates.
inline void sort_unique(RuleList& rules) {
  std::sort(rules.begin(), rules.end());
  rules.erase(std::unique(rules.begin(), rules.end()), rules.end());
}

}  // namespace norvane
