#pragma once
// Shorthands for the unit tests: spans and segments written inline, and span maps rendered as
// one line of text so that a whole map is compared (and shown on failure) at once.
#include <cstdint>
#include <deque>
#include <ostream>
#include <string>
#include <string_view>

#include "span/span_map.hpp"

namespace norvane {

// gtest prints these on failure.
inline std::ostream& operator<<(std::ostream& os, const Span& s) {
  return os << s.byte_start << '-' << s.byte_end << '/' << s.char_start << '-' << s.char_end;
}

}  // namespace norvane

namespace norvane::testing {

// A span with byte and character offsets.
inline Span S(std::uint32_t bs, std::uint32_t be, std::uint32_t cs, std::uint32_t ce) {
  return Span{bs, be, cs, ce};
}
// A span of ASCII text: characters are bytes.
inline Span A(std::uint32_t begin, std::uint32_t end) { return Span{begin, end, begin, end}; }

// Rule names made by tests live as long as the process, as map rule names must.
inline RuleName rule(std::string name) {
  static std::deque<std::string> names;
  return names.emplace_back(std::move(name));
}

inline Segment seg(SegmentKind kind, Span src, Span dst, RuleList rules = {},
                   NormalizationCost cost = {}) {
  Segment s;
  s.kind = kind;
  s.src = src;
  s.dst = dst;
  s.rules = RuleSet::of(rules);
  s.cost = cost;
  return s;
}
inline Segment id(Span both) { return seg(SegmentKind::identity, both, both); }
inline Segment id(Span src, Span dst) { return seg(SegmentKind::identity, src, dst); }

inline NormalizationCost cost(std::uint16_t whitespace, std::uint16_t separators,
                              std::uint16_t syllables, std::uint16_t replaced) {
  return NormalizationCost{whitespace, separators, syllables, replaced};
}

inline std::string str(const Span& s) {
  std::string out = std::to_string(s.byte_start) + '-' + std::to_string(s.byte_end);
  if (s.char_start != s.byte_start || s.char_end != s.byte_end)
    out += '/' + std::to_string(s.char_start) + '-' + std::to_string(s.char_end);
  return out;
}

// One segment: "kind src>dst", then its rules in brackets and its non-zero costs as
// w(hitespace), s(eparators), e(xpanded syllables), r(eplaced chars). A span is written
// "bytes" when its characters are its bytes, else "bytes/chars".
inline std::string str(const Segment& s) {
  std::string out(segment_kind_name(s.kind));
  out += ' ' + str(s.src) + '>' + str(s.dst);
  if (!s.rules.empty()) {
    out += " [";
    for (std::size_t i = 0; i < s.rules.size(); ++i) {
      if (i) out += ',';
      out += s.rules[i];
    }
    out += ']';
  }
  const NormalizationCost& c = s.cost;
  if (c.absorbed_whitespace) out += " w" + std::to_string(c.absorbed_whitespace);
  if (c.absorbed_separators) out += " s" + std::to_string(c.absorbed_separators);
  if (c.expanded_syllables) out += " e" + std::to_string(c.expanded_syllables);
  if (c.replaced_chars) out += " r" + std::to_string(c.replaced_chars);
  return out;
}

// The segments of a map joined by " | ".
inline std::string str(const SpanMap& m) {
  std::string out;
  for (std::size_t i = 0; i < m.len(); ++i) {
    if (i) out += " | ";
    out += str(m[i]);
  }
  return out;
}

inline std::string str(std::span<const RuleName> rules) {
  std::string out;
  for (std::size_t i = 0; i < rules.size(); ++i) {
    if (i) out += ',';
    out += rules[i];
  }
  return out;
}

}  // namespace norvane::testing
