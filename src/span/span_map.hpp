#pragma once
// The segment table between a source text and its normalized text, and the builder that
// produces an output text together with its map.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "error/error.hpp"
#include "span/span.hpp"

namespace norvane {

enum class SegmentKind : std::uint8_t { identity, replace, delete_, expand };

// "identity", "replace", "delete" or "expand".
std::string_view segment_kind_name(SegmentKind kind);

struct Segment {
  RuleSet rules;  // empty for identity segments
  Span src;
  Span dst;
  NormalizationCost cost;
  SegmentKind kind = SegmentKind::identity;

  bool operator==(const Segment&) const = default;
};

// The kind of a transformed (non-identity) segment with these two sides.
inline SegmentKind kind_from_shape(const Span& src, const Span& dst) {
  if (dst.is_empty()) return SegmentKind::delete_;
  if (src.char_len() < dst.char_len()) return SegmentKind::expand;
  return SegmentKind::replace;
}

// A (byte, char) position.
using Position = std::pair<std::uint32_t, std::uint32_t>;

class SpanMap {
 public:
  std::vector<Segment> segments;

  SpanMap() = default;
  explicit SpanMap(std::vector<Segment> segs) : segments(std::move(segs)) {}

  static SpanMap identity(std::string_view text);
  // The identity map of a text whose size and character count are known.
  static SpanMap identity(std::uint32_t bytes, std::uint32_t chars);

  Position src_end() const;
  Position dst_end() const;
  bool is_identity() const;
  std::size_t len() const { return segments.size(); }

  Result<void> validate() const;
  SourceSpan to_source(Span query) const;
  static Result<SpanMap> compose(const SpanMap& inner, const SpanMap& outer);
  // The same, taking the rule lists of the two maps instead of copying them.
  static Result<SpanMap> compose(SpanMap&& inner, SpanMap&& outer);

  bool operator==(const SpanMap&) const = default;
};

enum class AbsorbClass : std::uint8_t { whitespace, separator, other };

class SpanMapBuilder {
 public:
  // A pass makes a builder only once it changes something, so it writes at least a kept
  // stretch and a changed one, and in short texts rarely more than a few: room for the first
  // few spares the doublings from one.
  explicit SpanMapBuilder(std::size_t reserve = 0) {
    output_.reserve(reserve);
    segments_.reserve(kFirstSegments);
  }

  // Every operation does nothing when its source text is empty.
  // Rule names must outlive every map built from them (static or interned).
  void keep(std::string_view text);
  void replace(std::string_view src_text, std::string_view dst_text, RuleName rule);
  void numeral(std::string_view src_text, std::string_view dst_text, RuleName rule);
  void absorb(std::string_view src_text, RuleName rule, AbsorbClass cls);

  struct Output {
    std::string text;
    SpanMap map;
  };
  // Hands out the output text and the map; the builder is left empty.
  Output finish();

 private:
  void push_transformed(std::string_view src_text, std::string_view dst_text, RuleName rule,
                        NormalizationCost cost);

  static constexpr std::size_t kFirstSegments = 8;

  std::vector<Segment> segments_;
  std::string output_;
  std::uint32_t src_byte_ = 0, src_char_ = 0, dst_byte_ = 0, dst_char_ = 0;
  // A pass writes the same few rules over and over: the set of the last one is kept.
  RuleName last_rule_;
  RuleSet last_rules_;
};

}  // namespace norvane
