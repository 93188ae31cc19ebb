#pragma once
// Helpers shared by the fuzz targets: UTF-8 validation, checks that abort loudly, and the
// optional configuration header of an input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "normalize/config.hpp"

namespace fuzz {

// Strict UTF-8 as Python produces it: shortest forms only, no surrogates, nothing above
// U+10FFFF. The core takes such text only (the binding guarantees it).
inline bool valid_utf8(std::string_view s) {
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  const std::size_t n = s.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char b = p[i];
    if (b < 0x80) {
      ++i;
      continue;
    }
    std::size_t len;
    unsigned char lo = 0x80, hi = 0xBF;  // range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
      len = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      len = 3;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    } else {
      return false;
    }
    if (n - i < len) return false;
    if (p[i + 1] < lo || p[i + 1] > hi) return false;
    for (std::size_t k = 2; k < len; ++k)
      if ((p[i + k] & 0xC0) != 0x80) return false;
    i += len;
  }
  return true;
}

[[noreturn]] inline void fail(const char* file, int line, const char* what) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
  std::fflush(stderr);
  std::abort();
}

#define FUZZ_CHECK(cond)                                  \
  do {                                                    \
    if (!(cond)) ::fuzz::fail(__FILE__, __LINE__, #cond); \
  } while (0)

// Character index of every byte offset of s (s.size() + 1 entries); -1 inside a character.
inline std::vector<std::int64_t> char_index(std::string_view s) {
  std::vector<std::int64_t> idx(s.size() + 1, -1);
  std::int64_t c = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) idx[i] = c++;
  }
  idx[s.size()] = c;
  return idx;
}

// An input may start with the byte 0xFF (never part of UTF-8) and two configuration bytes;
// the rest is the text. Without that header the defaults apply. An input that starts with 0xFE
// (never part of UTF-8 either) has a fourth header byte after the two configuration bytes
// (FE a b families): the extension families, one bit each in
// kFamilyFields order, on top of Config::thorough() when its high bit is set. The eighth and
// ninth families (writing_variants, scanned_letters) share that bit: they are on whenever
// thorough is. An input that starts with
// 0xFD has a fifth byte after those four (FD a b families year): the reference year, unset
// when 0, else 1900 + (year - 1) % 200 (1900 to 2099, the years a Config takes).
struct Input {
  norvane::Config config;
  std::string_view text;
  std::uint8_t a = 0, b = 0;  // the raw configuration bytes (0 without a header)
  std::uint8_t families = 0;  // the header's fourth byte after 0xFE a b (0 otherwise)
};

inline std::optional<std::uint16_t> reference_year_of(std::uint8_t year) {
  if (year == 0) return std::nullopt;
  return static_cast<std::uint16_t>(1900 + (year - 1) % 200);
}

inline Input split_input(const std::uint8_t* data, std::size_t size) {
  Input in;
  std::string_view all(reinterpret_cast<const char*>(data), size);
  const bool pinned = size >= 5 && data[0] == 0xFD;
  const bool extended = pinned || (size >= 4 && data[0] == 0xFE);
  if (!extended && (size < 3 || data[0] != 0xFF)) {
    in.text = all;
    return in;
  }
  in.a = data[1];
  in.b = data[2];
  in.text = all.substr(pinned ? 5 : extended ? 4 : 3);
  norvane::Config& c = in.config;
  if (extended) {
    in.families = data[3];
    if (in.families & 0x80) c = norvane::Config::thorough();
    for (std::size_t k = 0; k < norvane::kFamilyFields.size(); ++k)
      if (in.families & (1u << k)) c.*(norvane::kFamilyFields[k].field) = true;
  }
  // Byte a: pass switches and numeral thresholds.
  c.nfc = !(in.a & 0x01);
  c.fold = !(in.a & 0x02);
  c.hangul = !(in.a & 0x04);
  c.lookalike = !(in.a & 0x08);
  c.separator = !(in.a & 0x10);
  switch ((in.a >> 5) & 0x03) {
    case 1:
      c.numeral_min_digits_without_context = 0;
      c.numeral_min_digits_with_context = 0;
      break;
    case 2:
      c.numeral_min_digits_without_context = 1;
      c.numeral_min_digits_with_context = 1;
      break;
    case 3:
      c.numeral_min_digits_without_context = std::numeric_limits<std::uint64_t>::max();
      c.numeral_min_digits_with_context = std::numeric_limits<std::uint64_t>::max();
      break;
    default: break;
  }
  if (in.a & 0x80)
    c.numeral_context_gap = (in.b & 0x80) ? 0 : std::numeric_limits<std::uint64_t>::max();
  // Byte b: window, thresholds and weights, including values nobody should pass.
  switch (in.b & 0x03) {
    case 1: c.context_window = 0; break;
    case 2: c.context_window = 1; break;
    case 3: c.context_window = std::numeric_limits<std::uint32_t>::max(); break;
    default: break;
  }
  constexpr float inf = std::numeric_limits<float>::infinity();
  constexpr float nan = std::numeric_limits<float>::quiet_NaN();
  switch ((in.b >> 2) & 0x07) {
    case 1: c.min_score = c.min_context = c.min_veto = 0.0f; break;
    case 2: c.min_score = c.min_context = c.min_veto = -1.0f; break;
    case 3: c.min_score = c.min_context = c.min_veto = nan; break;
    case 4: c.min_score = c.min_context = c.min_veto = inf; break;
    case 5:
      c.min_score = -inf;
      c.min_veto = -inf;
      break;
    default: break;
  }
  const float weight = [&] {
    switch ((in.b >> 5) & 0x03) {
      case 1: return -1.0f;
      case 2: return nan;
      case 3: return inf;
      default: return 0.0f;
    }
  }();
  if ((in.b >> 5) & 0x03)
    for (const auto& f : norvane::kWeightFields) c.*(f.field) = weight;
  if (pinned) c.reference_year = reference_year_of(data[4]);
  return in;
}

}  // namespace fuzz
