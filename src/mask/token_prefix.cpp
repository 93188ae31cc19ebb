#include "mask/token_prefix.hpp"

#include <charconv>
#include <cstdint>
#include <vector>

namespace norvane {

namespace {

constexpr std::string_view kBase = "PII";
constexpr std::string_view kHead = "[[PII";

// Notes which candidate openers occur in text: "[[PII:" and "[[PII" + k + ":" with k written
// canonically (no leading zero).
void note_taken(std::string_view text, bool& base_taken, std::vector<std::uint64_t>& numbers) {
  for (std::size_t pos = text.find(kHead); pos != std::string_view::npos;
       pos = text.find(kHead, pos + kHead.size())) {
    const std::size_t i = pos + kHead.size();
    if (i < text.size() && text[i] == ':') {
      base_taken = true;
      continue;
    }
    std::size_t j = i;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9' && j - i < 20) ++j;
    if (j == i || j >= text.size() || text[j] != ':') continue;
    if (text[i] == '0' && j - i > 1) continue;  // "PII01" is no candidate
    std::uint64_t k = 0;
    auto [ptr, ec] = std::from_chars(text.data() + i, text.data() + j, k);
    if (ec == std::errc{} && ptr == text.data() + j) numbers.push_back(k);
  }
}

}  // namespace

std::string token_opener(std::string_view prefix) {
  std::string opener;
  opener.reserve(prefix.size() + 3);
  opener += "[[";
  opener += prefix;
  opener += ':';
  return opener;
}

std::string choose_token_prefix(std::span<const std::string_view> texts) {
  // One pass over every "[[PII" of every text; the first free candidate is then found
  // without rescanning the texts once per candidate.
  bool base_taken = false;
  std::vector<std::uint64_t> numbers;
  for (std::string_view text : texts) note_taken(text, base_taken, numbers);
  if (!base_taken) return std::string(kBase);
  // The first free k is at most the number of taken ones.
  std::vector<bool> taken(numbers.size() + 1, false);
  for (std::uint64_t k : numbers)
    if (k < taken.size()) taken[k] = true;
  std::size_t k = 0;
  while (taken[k]) ++k;
  return std::string(kBase) + std::to_string(k);
}

}  // namespace norvane
