#pragma once
// The segment table between a source text and its normalized text, and the builder that
// produces an output text together with its map.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <unordered_map>
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

// What a segment does apart from where it lies: its rules, cost and kind. A map keeps each
// distinct change once; its segments hold the change's number.
struct SegmentChange {
  RuleSet rules;
  NormalizationCost cost;
  SegmentKind kind = SegmentKind::identity;

  bool operator==(const SegmentChange&) const = default;
};

// A segment as a map stores it: where it ends on both sides (it starts where the one before it
// ends) and the number of its change. 20 bytes where a Segment takes 48: maps of dense or
// hostile text hold about one segment per input byte.
struct SegmentEnd {
  std::uint32_t src_byte, src_char, dst_byte, dst_char;
  std::uint32_t change;  // 0: an identity segment without rules or cost; n: the map's change n

  Position src() const { return {src_byte, src_char}; }
  Position dst() const { return {dst_byte, dst_char}; }
};

class SpanMapWriter;

// The first index in [0, n) whose item fails `holds`, for items that hold up to some index and
// fail from there on; probed in the order of std::partition_point.
template <class Holds>
std::size_t first_index(std::size_t n, Holds holds) {
  std::size_t first = 0;
  while (n > 0) {
    const std::size_t half = n >> 1;
    if (holds(first + half)) {
      first += half + 1;
      n -= half + 1;
    } else {
      n = half;
    }
  }
  return first;
}

class SpanMap {
 public:
  SpanMap() = default;
  // Any list of segments, even one that would not validate (validate() reports it).
  explicit SpanMap(const std::vector<Segment>& segments);

  static SpanMap identity(std::string_view text);
  // The identity map of a text whose size and character count are known.
  static SpanMap identity(std::uint32_t bytes, std::uint32_t chars);

  std::size_t len() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  // Segment i, made from the stored ends.
  Segment operator[](std::size_t i) const {
    const SegmentEnd& e = ends_[i];
    const SegmentChange& c = change(e.change);
    Segment s;
    s.rules = c.rules;
    s.cost = c.cost;
    s.kind = c.kind;
    s.src = Span{src_byte_start(i), e.src_byte, src_char_start(i), e.src_char};
    s.dst = Span{dst_byte_start(i), e.dst_byte, dst_char_start(i), e.dst_char};
    return s;
  }
  // All segments, made from the stored ends (a new list).
  std::vector<Segment> segments() const;

  // Single fields of segment i, for walks that read few of them.
  const SegmentEnd& end_of(std::size_t i) const { return ends_[i]; }
  const SegmentChange& change_of(std::size_t i) const { return change(ends_[i].change); }
  const SegmentChange& change(std::uint32_t id) const {
    return id ? changes_[id - 1] : kIdentityChange;
  }
  SegmentKind kind_of(std::size_t i) const { return change_of(i).kind; }
  std::uint32_t src_byte_start(std::size_t i) const {
    return loose() ? starts_[i].src_byte : i ? ends_[i - 1].src_byte : 0;
  }
  std::uint32_t src_char_start(std::size_t i) const {
    return loose() ? starts_[i].src_char : i ? ends_[i - 1].src_char : 0;
  }
  std::uint32_t dst_byte_start(std::size_t i) const {
    return loose() ? starts_[i].dst_byte : i ? ends_[i - 1].dst_byte : 0;
  }
  std::uint32_t dst_char_start(std::size_t i) const {
    return loose() ? starts_[i].dst_char : i ? ends_[i - 1].dst_char : 0;
  }

  Position src_end() const;
  Position dst_end() const;
  bool is_identity() const;

  Result<void> validate() const;
  SourceSpan to_source(Span query) const;
  static Result<SpanMap> compose(const SpanMap& inner, const SpanMap& outer);
  // The same, taking the two maps: the pages of their segments are given back as the walk
  // passes them.
  static Result<SpanMap> compose(SpanMap&& inner, SpanMap&& outer);

  // Equal segment lists, however they are stored.
  bool operator==(const SpanMap& other) const;

  // The ends of the stored segments, for walks that give back pages they have passed.
  std::vector<SegmentEnd>& stored_ends() { return ends_; }

 private:
  friend class SpanMapWriter;
  // Segments that do not start where the one before ends (only hand-made maps that fail
  // validation) keep their starts as well, in starts_, one per segment.
  bool loose() const { return !starts_.empty(); }

  static constexpr SegmentChange kIdentityChange{};

  std::vector<SegmentEnd> ends_;
  std::vector<SegmentChange> changes_;  // change n is changes_[n - 1]
  std::vector<SegmentEnd> starts_;      // empty unless loose
};

// Appends segments to a map, keeping each distinct change once.
class SpanMapWriter {
 public:
  void reserve(std::size_t segments) { map_.ends_.reserve(segments); }

  // The number of this change in the map being written.
  std::uint32_t intern(const SegmentChange& change);

  // Appends a segment; adjacent identity segments fold into one.
  void push(const Span& src, const Span& dst, std::uint32_t change) {
    if (change == 0 && !map_.ends_.empty() && last_is_identity()) {
      SegmentEnd& last = map_.ends_.back();
      last.src_byte = src.byte_end;
      last.src_char = src.char_end;
      last.dst_byte = dst.byte_end;
      last.dst_char = dst.char_end;
      return;
    }
    push_unfolded(src, dst, change);
  }
  // Appends a segment as it is.
  void push_unfolded(const Span& src, const Span& dst, std::uint32_t change);

  std::size_t len() const { return map_.ends_.size(); }
  SpanMap finish();

 private:
  bool last_is_identity() const {
    return map_.change(map_.ends_.back().change).kind == SegmentKind::identity;
  }
  [[gnu::cold]] void become_loose();
  std::uint32_t intern_new(const SegmentChange& change);

  SpanMap map_;
  bool loose_ = false;  // a segment did not start where the one before ended
  // The last change interned: a pass writes the same one over and over.
  SegmentChange last_change_;
  std::uint32_t last_id_ = 0;
  struct ChangeHash {
    std::size_t operator()(const SegmentChange& c) const;
  };
  std::unordered_map<SegmentChange, std::uint32_t, ChangeHash> ids_;
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

  SpanMapWriter segments_;
  std::string output_;
  std::uint32_t src_byte_ = 0, src_char_ = 0, dst_byte_ = 0, dst_char_ = 0;
  // A pass writes the same few rules over and over: the set of the last one is kept.
  RuleName last_rule_;
  RuleSet last_rules_;
};

}  // namespace norvane
