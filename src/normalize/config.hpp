#pragma once
// The one record that steers normalization and detection. Plain data, copied into each call.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace norvane {

struct Config {
  std::uint64_t numeral_min_digits_without_context = 6;
  std::uint64_t numeral_min_digits_with_context = 2;
  std::uint64_t numeral_context_gap = 2;  // not exposed to Python
  bool nfc = true;
  bool fold = true;
  bool hangul = true;
  bool lookalike = true;
  bool separator = true;
  std::uint32_t context_window = 24;
  float min_score = 0.5f;
  float min_context = 0.3f;
  float min_veto = 0.5f;
  float checksum_passed = 0.6f;
  float checksum_failed = 0.25f;
  float context = 0.5f;
  float absorbed_whitespace = 0.08f;
  float absorbed_separator = 0.01f;
  float expanded_syllable = 0.01f;
  float replaced_char = 0.002f;
};

// The seven weights, in declared order, by name.
struct WeightField {
  std::string_view name;
  float Config::*field;
};
inline constexpr std::array<WeightField, 7> kWeightFields{{
    {"checksum_passed", &Config::checksum_passed},
    {"checksum_failed", &Config::checksum_failed},
    {"context", &Config::context},
    {"absorbed_whitespace", &Config::absorbed_whitespace},
    {"absorbed_separator", &Config::absorbed_separator},
    {"expanded_syllable", &Config::expanded_syllable},
    {"replaced_char", &Config::replaced_char},
}};

}  // namespace norvane
