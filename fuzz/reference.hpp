#pragma once
// Plain, slow readings of the scanners and the cue search, written straight from their
// definitions, for the fuzz targets to compare the fast ones against.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "detect/context.hpp"
#include "detect/report.hpp"
#include "span/span.hpp"

namespace fuzz::ref {

inline bool digit(unsigned char c) { return c >= '0' && c <= '9'; }
inline bool upper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
inline bool letter(unsigned char c) { return upper(c) || (c >= 'a' && c <= 'z'); }
inline bool alnum(unsigned char c) { return letter(c) || digit(c); }

// Byte-level walks are enough: every class below is ASCII, and no byte of a multi-byte
// character is ASCII. idx maps byte offsets to character indexes.
inline norvane::Span span(const std::vector<std::int64_t>& idx, std::size_t b, std::size_t e) {
  return {static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(e),
          static_cast<std::uint32_t>(idx[b]), static_cast<std::uint32_t>(idx[e])};
}

inline std::vector<norvane::Span> digit_runs(std::string_view t,
                                             const std::vector<std::int64_t>& idx) {
  std::vector<norvane::Span> out;
  auto run_char = [](unsigned char c) { return digit(c) || c == '*' || c == 'X' || c == 'x'; };
  for (std::size_t i = 0; i < t.size();) {
    if (!run_char(t[i])) {
      ++i;
      continue;
    }
    std::size_t j = i, digits = 0;
    for (; j < t.size() && run_char(t[j]); ++j) digits += digit(t[j]);
    if (digits >= 2) out.push_back(span(idx, i, j));
    i = j;
  }
  return out;
}

inline std::vector<norvane::Span> emails(std::string_view t, const std::vector<std::int64_t>& idx) {
  std::vector<norvane::Span> out;
  auto local_char = [](unsigned char c) {
    return alnum(c) || c == '%' || c == '+' || c == '-' || c == '.' || c == '_';
  };
  auto domain_char = [](unsigned char c) { return alnum(c) || c == '-' || c == '.'; };
  std::size_t i = 0;
  while (i < t.size()) {
    if (t[i] != '@') {
      ++i;
      continue;
    }
    std::size_t ls = i;
    while (ls > 0 && local_char(t[ls - 1])) --ls;
    while (ls < i && t[ls] == '.') ++ls;
    bool ok = ls < i && t[i - 1] != '.';
    std::size_t de = i + 1;
    while (de < t.size() && domain_char(t[de])) ++de;
    while (de > i + 1 && (t[de - 1] == '-' || t[de - 1] == '.')) --de;
    ok = ok && de > i + 1;
    if (ok) {
      const std::string_view domain = t.substr(i + 1, de - i - 1);
      std::size_t labels = 0, start = 0;
      for (std::size_t k = 0; ok && k <= domain.size(); ++k) {
        if (k == domain.size() || domain[k] == '.') {
          if (k == start) ok = false;
          ++labels;
          if (k == domain.size() && ok) {
            const std::string_view last = domain.substr(start);
            ok = last.size() >= 2 &&
                 std::all_of(last.begin(), last.end(), [](char c) { return letter(c); });
          }
          start = k + 1;
        }
      }
      ok = ok && labels >= 2;
    }
    if (ok) {
      out.push_back(span(idx, ls, de));
      i = de;
    } else {
      ++i;
    }
  }
  return out;
}

inline std::vector<norvane::Span> passports(std::string_view t,
                                            const std::vector<std::int64_t>& idx) {
  std::vector<norvane::Span> out;
  std::size_t i = 0;
  while (i < t.size()) {
    if (!upper(t[i]) || (i > 0 && alnum(t[i - 1]))) {
      ++i;
      continue;
    }
    const std::size_t letters = (i + 1 < t.size() && upper(t[i + 1])) ? 2 : 1;
    std::size_t e = i + letters;
    while (e < t.size() && digit(t[e])) ++e;
    const std::size_t digits = e - i - letters;
    if ((digits == 7 || digits == 8) && (letters + digits == 8 || letters + digits == 9) &&
        (e == t.size() || !alnum(t[e])))
      out.push_back(span(idx, i, e));
    i = std::max(i + 1, e);
  }
  return out;
}

// Cue hits around a span, as the cue search defines them: the last occurrence in the left
// window, the first in the right one, the nearer counts; sorted by weight, then cue bytes.
inline std::vector<norvane::ContextHit> cue_hits(std::string_view t,
                                                 const std::vector<std::int64_t>& idx,
                                                 const norvane::Span& s, std::uint32_t window,
                                                 std::span<const norvane::Cue> cues) {
  // Character starts, to move by characters.
  std::vector<std::size_t> starts;
  for (std::size_t b = 0; b <= t.size(); ++b)
    if (idx[b] >= 0) starts.push_back(b);
  const std::int64_t cs = idx[s.byte_start], ce = idx[s.byte_end];
  const std::int64_t nchars = static_cast<std::int64_t>(starts.size()) - 1;
  const std::size_t lb =
      starts[static_cast<std::size_t>(std::max<std::int64_t>(0, cs - std::int64_t{window}))];
  const std::size_t rb =
      starts[static_cast<std::size_t>(std::min<std::int64_t>(nchars, ce + std::int64_t{window}))];
  const std::string_view left = t.substr(lb, s.byte_start - lb);
  const std::string_view right = t.substr(s.byte_end, rb - s.byte_end);
  std::vector<norvane::ContextHit> hits;
  for (const norvane::Cue& cue : cues) {
    bool found = false;
    std::uint32_t distance = 0;
    if (auto l = left.rfind(cue.word); l != std::string_view::npos) {
      distance = static_cast<std::uint32_t>(cs - idx[lb + l + cue.word.size()]);
      found = true;
    }
    if (auto r = right.find(cue.word); r != std::string_view::npos) {
      const auto d = static_cast<std::uint32_t>(idx[s.byte_end + r] - ce);
      if (!found || d < distance) distance = d;
      found = true;
    }
    if (found)
      hits.push_back(
          {cue.word, distance, cue.weight / (1.0f + 0.125f * static_cast<float>(distance))});
  }
  std::stable_sort(hits.begin(), hits.end(),
                   [](const norvane::ContextHit& a, const norvane::ContextHit& b) {
                     if (a.weight != b.weight) return a.weight > b.weight;
                     return a.cue < b.cue;
                   });
  return hits;
}

}  // namespace fuzz::ref
