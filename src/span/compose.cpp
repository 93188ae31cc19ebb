// Composition of two span maps, A -> B (inner) and B -> C (outer), into one map A -> C.
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "error/interrupt.hpp"
#include "span/pages.hpp"
#include "span/span_map.hpp"

namespace norvane {

namespace {

std::string pair_text(Position p) {
  std::string s = "(";
  s += std::to_string(p.first);
  s += ", ";
  s += std::to_string(p.second);
  s += ')';
  return s;
}

Error mismatch(std::string message) { return Error::coordinate(std::move(message)); }

// Carries B position p from one side of segment s to the other. `from` is the B side of s and
// `to` the other side. Byte offsets decide; chars follow. Unsigned arithmetic only wraps on
// hand-built maps whose chars disagree with their bytes.
inline bool carry(const Segment& s, const Span& from, const Span& to, Position p, Position& out) {
  if (p.first == from.byte_start) {
    out = {to.byte_start, to.char_start};
  } else if (p.first == from.byte_end) {
    out = {to.byte_end, to.char_end};
  } else if (s.kind == SegmentKind::identity && p.first > from.byte_start &&
             p.first < from.byte_end) {
    out = {to.byte_start + (p.first - from.byte_start),
           to.char_start + (p.second - from.char_start)};
  } else {
    return false;
  }
  return true;
}

// A B position carried back to A through an inner segment, or on to C through an outer one.
inline bool to_a(const Segment& s, Position at_b, Position& out) {
  return carry(s, s.dst, s.src, at_b, out);
}
inline bool to_c(const Segment& s, Position at_b, Position& out) {
  return carry(s, s.src, s.dst, at_b, out);
}

[[gnu::cold]] Error forward_error(std::size_t j, Position p) {
  return mismatch("src byte " + std::to_string(p.first) + " falls inside non-identity segment " +
                  std::to_string(j));
}

[[gnu::cold]] Error backward_error(std::size_t i, Position p) {
  return mismatch("dst byte " + std::to_string(p.first) + " falls inside non-identity segment " +
                  std::to_string(i));
}

Span span_of(Position start, Position end) {
  return Span{start.first, end.first, start.second, end.second};
}

// True when composing with an identity on the other side reproduces the map unchanged: a
// contiguous cover from (0, 0), kinds that match their shapes, no two identity
// segments in a row. Builder-made maps always pass.
bool is_canonical(const SpanMap& map) {
  std::uint32_t src_byte = 0, src_char = 0, dst_byte = 0, dst_char = 0;
  bool prev_identity = false;
  for (const Segment& s : map.segments) {
    if (s.src.byte_start != src_byte || s.src.char_start != src_char ||
        s.dst.byte_start != dst_byte || s.dst.char_start != dst_char)
      return false;
    if (!(s.src.byte_start < s.src.byte_end) || s.src.char_end < s.src.char_start ||
        s.dst.byte_end < s.dst.byte_start || s.dst.char_end < s.dst.char_start)
      return false;
    if (s.dst.byte_start == s.dst.byte_end && s.dst.char_start != s.dst.char_end) return false;
    if (s.kind == SegmentKind::identity) {
      if (prev_identity || !s.rules.empty() || !s.cost.is_zero() ||
          s.src.byte_len() != s.dst.byte_len() || s.src.char_len() != s.dst.char_len())
        return false;
      prev_identity = true;
    } else {
      if (s.kind != kind_from_shape(s.src, s.dst)) return false;
      prev_identity = false;
    }
    src_byte = s.src.byte_end;
    src_char = s.src.char_end;
    dst_byte = s.dst.byte_end;
    dst_char = s.dst.char_end;
  }
  return true;
}

// A map that passes every position through unchanged: empty, or one identity segment from
// (0, 0) whose two sides are the same span.
bool is_plain_identity(const SpanMap& map) {
  if (map.segments.empty()) return true;
  if (map.segments.size() != 1) return false;
  const Segment& s = map.segments.front();
  return s.kind == SegmentKind::identity && s.src == s.dst && s.src.byte_start == 0 &&
         s.src.char_start == 0 && s.src.byte_start < s.src.byte_end &&
         s.src.char_start <= s.src.char_end;
}

[[gnu::cold]] Error insertion_error(std::size_t j) {
  return mismatch("outer segment " + std::to_string(j) +
                  " has an empty source range; insertion is not supported");
}

[[gnu::cold]] Error exhausted_error(Position at_b, std::size_t i, std::size_t inner_count,
                                    std::size_t j, std::size_t outer_count) {
  return mismatch("segment exhausted at B byte " + std::to_string(at_b.first) + " (inner " +
                  std::to_string(i) + "/" + std::to_string(inner_count) + ", outer " +
                  std::to_string(j) + "/" + std::to_string(outer_count) + ")");
}

// The last segment of each side in a group, and the B position where the group ends.
struct GroupEnd {
  std::size_t last_inner, last_outer;
  Position end;
};

// Grows the group that starts at inner[i] and outer[j] until both sides share an end, or one
// side can be cut there.
[[gnu::noinline]] Result<GroupEnd> grow_group(const std::vector<Segment>& inner,
                                              const std::vector<Segment>& outer, std::size_t i,
                                              std::size_t j, Position at_b) {
  const std::size_t inner_count = inner.size(), outer_count = outer.size();
  std::size_t last_inner = i, last_outer = j;
  // Where the group's last segment of each side ends in B.
  std::uint32_t inner_end = inner[last_inner].dst.byte_end;
  std::uint32_t outer_end = outer[last_outer].src.byte_end;
  for (;;) {
    const Position at_inner_end{inner_end, inner[last_inner].dst.char_end};
    if (inner_end == outer_end) return GroupEnd{last_inner, last_outer, at_inner_end};
    if (inner_end < outer_end) {
      if (outer[last_outer].kind == SegmentKind::identity)
        return GroupEnd{last_inner, last_outer, at_inner_end};
      if (++last_inner >= inner_count)
        return std::unexpected(
            mismatch("inner exhausted while grouping at B byte " + std::to_string(at_b.first)));
      inner_end = inner[last_inner].dst.byte_end;
    } else {
      if (inner[last_inner].kind == SegmentKind::identity)
        return GroupEnd{last_inner, last_outer, {outer_end, outer[last_outer].src.char_end}};
      if (++last_outer >= outer_count)
        return std::unexpected(
            mismatch("outer exhausted while grouping at B byte " + std::to_string(at_b.first)));
      outer_end = outer[last_outer].src.byte_end;
    }
  }
}

// Adjacent identity pieces fold into one, as the builder's keep does.
inline void push_identity(std::vector<Segment>& result, const Span& src, const Span& dst) {
  if (!result.empty() && result.back().kind == SegmentKind::identity) {
    Segment& prev = result.back();
    prev.src.byte_end = src.byte_end;
    prev.src.char_end = src.char_end;
    prev.dst.byte_end = dst.byte_end;
    prev.dst.char_end = dst.char_end;
    return;
  }
  Segment& seg = result.emplace_back();
  seg.src = src;
  seg.dst = dst;
}

// The segment of a group of several segments on one side: the rules and costs of all its
// transformed segments, inner ones first.
[[gnu::noinline]] void push_group(std::vector<Segment>& result, RuleSetUnions& unions,
                                  const std::vector<Segment>& inner,
                                  const std::vector<Segment>& outer, std::size_t i,
                                  std::size_t last_inner, std::size_t j, std::size_t last_outer,
                                  const Span& src, const Span& dst) {
  bool transformed = false;
  NormalizationCost cost;
  RuleSet rules;
  for (std::size_t k = i; k <= last_inner; ++k) {
    if (inner[k].kind == SegmentKind::identity) continue;
    transformed = true;
    rules = unions.of(rules, inner[k].rules);
    cost += inner[k].cost;
  }
  for (std::size_t k = j; k <= last_outer; ++k) {
    if (outer[k].kind == SegmentKind::identity) continue;
    transformed = true;
    rules = unions.of(rules, outer[k].rules);
    cost += outer[k].cost;
  }
  if (!transformed) {
    push_identity(result, src, dst);
    return;
  }
  Segment& seg = result.emplace_back();
  seg.rules = rules;
  seg.src = src;
  seg.dst = dst;
  seg.cost = cost;
  seg.kind = kind_from_shape(src, dst);
}

// The segment of a group of one segment per side, one of the inner map and one of the outer.
inline void push_pair(std::vector<Segment>& result, RuleSetUnions& unions, const Segment& inner_seg,
                      const Segment& outer_seg, const Span& src, const Span& dst) {
  const bool inner_changes = inner_seg.kind != SegmentKind::identity;
  const bool outer_changes = outer_seg.kind != SegmentKind::identity;
  if (!inner_changes && !outer_changes) {
    push_identity(result, src, dst);
    return;
  }
  const RuleSet rules = inner_changes && outer_changes ? unions.of(inner_seg.rules, outer_seg.rules)
                        : inner_changes                ? inner_seg.rules
                                                       : outer_seg.rules;
  // Adding to a zero cost gives the other cost unchanged.
  const NormalizationCost cost = inner_changes && outer_changes ? inner_seg.cost + outer_seg.cost
                                 : inner_changes                ? inner_seg.cost
                                                                : outer_seg.cost;
  result.emplace_back(rules, src, dst, cost, kind_from_shape(src, dst));
}

// Gives the memory of the segments a walk has passed back to the system as it goes, when the
// two maps are the walk's to take: their segments are never read again, and destroying them
// reads nothing (segments are trivially destructible), so whole pages of them can be dropped
// while the result grows. Without it a walk holds both maps and the result at once.
class PassedSegments {
 public:
  static_assert(std::is_trivially_destructible_v<Segment>);

  void release(std::vector<Segment>& segments, std::size_t passed, std::size_t& released) {
    if ((passed - released) * sizeof(Segment) < pages::kReleaseBytes) return;
    pages::release(segments.data() + released, segments.data() + passed);
    released = passed;
  }
};

// The full re-cutting algorithm, without the identity shortcuts. Map is SpanMap when the rule
// lists of both maps may be taken (every segment that carries rules is consumed once), or
// const SpanMap when they must be copied.
template <class Map>
Result<SpanMap> compose_walk(Map& inner_map, Map& outer_map) {
  const Position inner_output_end = inner_map.dst_end();
  const Position outer_input_end = outer_map.src_end();
  if (inner_output_end != outer_input_end)
    return std::unexpected(mismatch("inner output " + pair_text(inner_output_end) +
                                    " != outer input " + pair_text(outer_input_end)));

  auto& inner = inner_map.segments;
  auto& outer = outer_map.segments;
  const std::size_t inner_count = inner.size(), outer_count = outer.size();
  std::vector<Segment> result;
  if (inner_count == 0 && outer_count == 0) return SpanMap(std::move(result));
  result.reserve(inner_count + outer_count);

  const Position outer_output_end = outer_map.dst_end();  // (0, 0) for an empty outer map
  std::size_t i = 0, j = 0;
  Position at_b{0, 0};
  interrupt::Poll poll;
  RuleSetUnions unions;
  constexpr bool taken = !std::is_const_v<Map>;
  PassedSegments passed;
  std::size_t inner_released = 0, outer_released = 0;

  while (i < inner_count || j < outer_count) {
    poll.reach(i + j);
    if constexpr (taken) {
      passed.release(inner, i, inner_released);
      passed.release(outer, j, outer_released);
    }
    // Deletions of the inner map produce no B text: they land on one C point.
    while (i < inner_count && inner[i].dst.is_empty()) {
      Position at_c = outer_output_end;
      if (j < outer_count && !to_c(outer[j], at_b, at_c))
        return std::unexpected(forward_error(j, at_b));
      Segment& seg = result.emplace_back();
      seg.rules = inner[i].rules;
      seg.src = inner[i].src;
      seg.dst = span_of(at_c, at_c);
      seg.cost = inner[i].cost;
      seg.kind = SegmentKind::delete_;
      ++i;
    }
    if (i >= inner_count && j >= outer_count) break;
    if (j < outer_count && outer[j].src.is_empty()) return std::unexpected(insertion_error(j));
    if (i >= inner_count || j >= outer_count)
      return std::unexpected(exhausted_error(at_b, i, inner_count, j, outer_count));

    // Long identity segments hold many segments of the other side, each a group of its own:
    // walk those in a tight loop. Each step is the general group below with its branches
    // known; anything else (a deletion, a segment that crosses the identity's end, a failed
    // carry) leaves the loop and comes back through the general steps.
    if (outer[j].kind == SegmentKind::identity) {
      auto& outer_seg = outer[j];
      const std::size_t first_inner = i;
      while (i < inner_count) {
        auto& inner_seg = inner[i];
        if (inner_seg.dst.is_empty() || inner_seg.dst.byte_end > outer_seg.src.byte_end) break;
        const Position end{inner_seg.dst.byte_end, inner_seg.dst.char_end};
        Position a_start, a_end, c_start, c_end;
        if (!to_a(inner_seg, at_b, a_start) || !to_a(inner_seg, end, a_end) ||
            !to_c(outer_seg, at_b, c_start) || !to_c(outer_seg, end, c_end))
          break;
        push_pair(result, unions, inner_seg, outer_seg, span_of(a_start, a_end),
                  span_of(c_start, c_end));
        ++i;
        at_b = end;
        if (outer_seg.src.byte_end <= end.first) {
          ++j;
          break;
        }
      }
      if (i != first_inner) continue;
    }
    if (inner[i].kind == SegmentKind::identity) {
      auto& inner_seg = inner[i];
      const std::size_t first_outer = j;
      while (j < outer_count) {
        auto& outer_seg = outer[j];
        if (outer_seg.src.is_empty() || outer_seg.src.byte_end > inner_seg.dst.byte_end) break;
        const Position end = outer_seg.src.byte_end == inner_seg.dst.byte_end
                                 ? Position{inner_seg.dst.byte_end, inner_seg.dst.char_end}
                                 : Position{outer_seg.src.byte_end, outer_seg.src.char_end};
        Position a_start, a_end, c_start, c_end;
        if (!to_a(inner_seg, at_b, a_start) || !to_a(inner_seg, end, a_end) ||
            !to_c(outer_seg, at_b, c_start) || !to_c(outer_seg, end, c_end))
          break;
        push_pair(result, unions, inner_seg, outer_seg, span_of(a_start, a_end),
                  span_of(c_start, c_end));
        ++j;
        at_b = end;
        if (inner_seg.dst.byte_end <= end.first) {
          ++i;
          break;
        }
      }
      if (j != first_outer) continue;
    }

    // Most groups are one segment of each side: both end together, or one of them is an
    // identity cut where the other ends.
    auto& inner_seg = inner[i];
    auto& outer_seg = outer[j];
    std::size_t last_inner = i, last_outer = j;
    Position group_end;
    const std::uint32_t inner_end = inner_seg.dst.byte_end, outer_end = outer_seg.src.byte_end;
    if (inner_end == outer_end ||
        (inner_end < outer_end && outer_seg.kind == SegmentKind::identity)) {
      group_end = {inner_end, inner_seg.dst.char_end};
    } else if (inner_end > outer_end && inner_seg.kind == SegmentKind::identity) {
      group_end = {outer_end, outer_seg.src.char_end};
    } else {
      auto grown = grow_group(inner, outer, i, j, at_b);
      if (!grown) return std::unexpected(std::move(grown.error()));
      last_inner = grown->last_inner;
      last_outer = grown->last_outer;
      group_end = grown->end;
    }
    auto& last_inner_seg = inner[last_inner];
    auto& last_outer_seg = outer[last_outer];

    Position a_start, a_end, c_start, c_end;
    if (!to_a(inner_seg, at_b, a_start)) return std::unexpected(backward_error(i, at_b));
    if (!to_a(last_inner_seg, group_end, a_end))
      return std::unexpected(backward_error(last_inner, group_end));
    if (!to_c(outer_seg, at_b, c_start)) return std::unexpected(forward_error(j, at_b));
    if (!to_c(last_outer_seg, group_end, c_end))
      return std::unexpected(forward_error(last_outer, group_end));
    const Span src = span_of(a_start, a_end), dst = span_of(c_start, c_end);

    if (last_inner != i || last_outer != j)
      push_group(result, unions, inner, outer, i, last_inner, j, last_outer, src, dst);
    else push_pair(result, unions, inner_seg, outer_seg, src, dst);

    i = last_inner_seg.dst.byte_end <= group_end.first ? last_inner + 1 : last_inner;
    j = last_outer_seg.src.byte_end <= group_end.first ? last_outer + 1 : last_outer;
    at_b = group_end;
  }

  if constexpr (taken) {
    // Nothing of the taken maps is left to read.
    inner_map = SpanMap();
    outer_map = SpanMap();
  }
  return SpanMap(std::move(result));
}

}  // namespace

Result<SpanMap> SpanMap::compose(const SpanMap& inner, const SpanMap& outer) {
  // Shortcuts for a pass that changed nothing; they give exactly what the general walk gives.
  if (inner.dst_end() == outer.src_end()) {
    if (inner.segments.empty() && outer.segments.empty()) return SpanMap();
    if (!inner.segments.empty() && is_plain_identity(inner) && is_canonical(outer)) return outer;
    if (is_plain_identity(outer) && is_canonical(inner)) return inner;
  }
  return compose_walk(inner, outer);
}

Result<SpanMap> SpanMap::compose(SpanMap&& inner, SpanMap&& outer) {
  if (inner.dst_end() == outer.src_end()) {
    if (inner.segments.empty() && outer.segments.empty()) return SpanMap();
    if (!inner.segments.empty() && is_plain_identity(inner) && is_canonical(outer))
      return std::move(outer);
    if (is_plain_identity(outer) && is_canonical(inner)) return std::move(inner);
  }
  return compose_walk(inner, outer);
}

}  // namespace norvane
