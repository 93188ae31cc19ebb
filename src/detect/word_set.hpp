// A set of words looked for anywhere in a short text (a line, the words before a number).
#pragma once

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "normalize/unicode.hpp"

namespace norvane::extend {

// The words of a table by their first syllable, looked for in one pass over a short text: most
// of its syllables lead no word. Words led by another character ((주), ㈜) are tried wherever
// their first byte stands.
class WordSet {
 public:
  WordSet(std::initializer_list<std::span<const std::string_view>> tables) {
    for (std::span<const std::string_view> words : tables)
      for (std::string_view w : words) {
        const int k = unicode::syllable_at(w, 0);
        if (k < 0) others_.push_back(w);
        else by_first_.push_back({k, w});
      }
    std::sort(by_first_.begin(), by_first_.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [k, w] : by_first_) {
      leads_.set(static_cast<std::size_t>(k));
      lead_pairs_[static_cast<unsigned char>(w[0]) - kFirstLead] |=
          std::uint64_t{1} << (static_cast<unsigned char>(w[1]) & 0x3F);
    }
    for (std::string_view w : others_) other_bytes_[static_cast<unsigned char>(w[0])] = true;
  }

  // Whether a word of the set starts at a character of s. Read character by character from the
  // first byte (a byte cut from the character before it counts as one).
  bool in(std::string_view s) const {
    for (std::size_t i = 0; i < s.size();) {
      const auto c = static_cast<unsigned char>(s[i]);
      if (c >= kFirstLead && c <= kLastLead) {
        // Most syllables lead no word: their first two bytes tell, before they are decoded.
        if (i + 1 < s.size() &&
            (lead_pairs_[c - kFirstLead] >> (static_cast<unsigned char>(s[i + 1]) & 0x3F) & 1u)) {
          const int k = unicode::syllable_at(s, i);
          if (k >= 0 && leads_.test(static_cast<std::size_t>(k)) && led_by(k, s.substr(i)))
            return true;
        }
        i += 3;
        continue;
      }
      if (other_bytes_[c]) {
        const std::string_view rest = s.substr(i);
        if (std::any_of(others_.begin(), others_.end(),
                        [&](std::string_view w) { return rest.starts_with(w); }))
          return true;
      }
      i += c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    }
    return false;
  }

 private:
  // The first byte of a Hangul syllable's three (EA B0 80 to ED 9E A3).
  static constexpr unsigned kFirstLead = 0xEA, kLastLead = 0xED;

  bool led_by(int k, std::string_view rest) const {
    auto it = std::lower_bound(by_first_.begin(), by_first_.end(), k,
                               [](const auto& e, int key) { return e.first < key; });
    for (; it != by_first_.end() && it->first == k; ++it)
      if (rest.starts_with(it->second)) return true;
    return false;
  }

  std::vector<std::pair<int, std::string_view>> by_first_;
  std::vector<std::string_view> others_;
  std::bitset<unicode::kSyllableCount> leads_;
  // Per first byte of a syllable, the low six bits of the second bytes of leads_'s syllables.
  std::array<std::uint64_t, kLastLead - kFirstLead + 1> lead_pairs_{};
  std::array<bool, 256> other_bytes_{};
};

}  // namespace norvane::extend
