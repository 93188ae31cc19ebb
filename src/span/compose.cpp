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

// A segment as the walk reads it: both sides, its kind and the number of its change.
struct Piece {
  Span src, dst;
  std::uint32_t change;
  SegmentKind kind;
};

inline Piece piece(const SpanMap& map, std::size_t i) {
  const SegmentEnd& e = map.end_of(i);
  const SegmentEnd& from = map.start_of(i);
  return Piece{Span{from.src_byte, e.src_byte, from.src_char, e.src_char},
               Span{from.dst_byte, e.dst_byte, from.dst_char, e.dst_char}, e.change, e.kind()};
}

// Carries B position p from one side of segment s to the other. `from` is the B side of s and
// `to` the other side. Byte offsets decide; chars follow. Unsigned arithmetic only wraps on
// hand-built maps whose chars disagree with their bytes.
inline bool carry(SegmentKind kind, const Span& from, const Span& to, Position p, Position& out) {
  if (p.first == from.byte_start) {
    out = {to.byte_start, to.char_start};
  } else if (p.first == from.byte_end) {
    out = {to.byte_end, to.char_end};
  } else if (kind == SegmentKind::identity && p.first > from.byte_start &&
             p.first < from.byte_end) {
    out = {to.byte_start + (p.first - from.byte_start),
           to.char_start + (p.second - from.char_start)};
  } else {
    return false;
  }
  return true;
}

// A B position carried back to A through an inner segment, or on to C through an outer one.
inline bool to_a(const Piece& s, Position at_b, Position& out) {
  return carry(s.kind, s.dst, s.src, at_b, out);
}
inline bool to_c(const Piece& s, Position at_b, Position& out) {
  return carry(s.kind, s.src, s.dst, at_b, out);
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
  for (std::size_t i = 0; i < map.len(); ++i) {
    const Segment s = map[i];
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
  if (map.empty()) return true;
  if (map.len() != 1) return false;
  const Segment s = map[0];
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
[[gnu::noinline]] Result<GroupEnd> grow_group(const SpanMap& inner, const SpanMap& outer,
                                              std::size_t i, std::size_t j, Position at_b) {
  const std::size_t inner_count = inner.len(), outer_count = outer.len();
  std::size_t last_inner = i, last_outer = j;
  // Where the group's last segment of each side ends in B.
  std::uint32_t inner_end = inner.end_of(last_inner).dst_byte;
  std::uint32_t outer_end = outer.end_of(last_outer).src_byte;
  for (;;) {
    const Position at_inner_end{inner_end, inner.end_of(last_inner).dst_char};
    if (inner_end == outer_end) return GroupEnd{last_inner, last_outer, at_inner_end};
    if (inner_end < outer_end) {
      if (outer.kind_of(last_outer) == SegmentKind::identity)
        return GroupEnd{last_inner, last_outer, at_inner_end};
      if (++last_inner >= inner_count)
        return std::unexpected(
            mismatch("inner exhausted while grouping at B byte " + std::to_string(at_b.first)));
      inner_end = inner.end_of(last_inner).dst_byte;
    } else {
      if (inner.kind_of(last_inner) == SegmentKind::identity)
        return GroupEnd{last_inner, last_outer, {outer_end, outer.end_of(last_outer).src_char}};
      if (++last_outer >= outer_count)
        return std::unexpected(
            mismatch("outer exhausted while grouping at B byte " + std::to_string(at_b.first)));
      outer_end = outer.end_of(last_outer).src_byte;
    }
  }
}

// The changes of the result, by the changes of the inner and outer segments they come from:
// a walk meets the same few pairs over and over, and each is worked out once.
class ResultChanges {
 public:
  static constexpr std::uint32_t kNoOuter = 0xFFFFFFFFu;

  ResultChanges(const SpanMap& inner, const SpanMap& outer, SpanMapWriter& result)
      : inner_(inner), outer_(outer), result_(result), unions_(RuleSetUnions::of_thread()) {}

  // A group of inner change a and outer change b (kNoOuter: an inner deletion alone) whose
  // composed shape is of this kind; at least one of the two changes something.
  std::uint32_t of(std::uint32_t a, std::uint32_t b, SegmentKind kind) {
    Entry& e = entries_[(a * 5u + b * 3u + static_cast<std::uint32_t>(kind)) % kSlots];
    if (e.used && e.a == a && e.b == b && e.kind == kind) return e.id;
    return work_out(e, a, b, kind);
  }

  // A group of several segments on a side: the rules and costs of all its transformed
  // segments, inner ones first.
  void push_group(std::size_t i, std::size_t last_inner, std::size_t j, std::size_t last_outer,
                  const Span& src, const Span& dst) {
    bool transformed = false;
    NormalizationCost cost;
    RuleSet rules;
    const auto gather = [&](const SpanMap& map, std::size_t first, std::size_t last) {
      for (std::size_t k = first; k <= last; ++k) {
        const SegmentChange& c = map.change_of(k);
        if (c.kind == SegmentKind::identity) continue;
        transformed = true;
        rules = unions_.of(rules, c.rules);
        cost += c.cost;
      }
    };
    gather(inner_, i, last_inner);
    gather(outer_, j, last_outer);
    if (!transformed) {
      result_.push(src, dst, 0);
      return;
    }
    result_.push_unfolded(src, dst,
                          result_.intern(SegmentChange{rules, cost, kind_from_shape(src, dst)}));
  }

  // The segment of a group of one segment per side (inlined: walks call it once a segment).
  [[gnu::always_inline]] void push_pair(const Piece& inner_seg, const Piece& outer_seg,
                                        const Span& src, const Span& dst) {
    if (inner_seg.kind == SegmentKind::identity && outer_seg.kind == SegmentKind::identity) {
      result_.push(src, dst, 0);
      return;
    }
    result_.push_unfolded(src, dst,
                          of(inner_seg.change, outer_seg.change, kind_from_shape(src, dst)));
  }

 private:
  struct Entry {
    std::uint32_t a = 0, b = 0;
    SegmentKind kind = SegmentKind::identity;
    bool used = false;
    std::uint32_t id = 0;
  };
  static constexpr std::size_t kSlots = 16;

  // A pair met for the first time (out of line: `of` is inlined into the walk).
  [[gnu::noinline]] std::uint32_t work_out(Entry& e, std::uint32_t a, std::uint32_t b,
                                           SegmentKind kind) {
    const SegmentChange& ci = inner_.change(a);
    SegmentChange c;
    if (b == kNoOuter) {
      c = SegmentChange{ci.rules, ci.cost, kind};
    } else {
      const SegmentChange& co = outer_.change(b);
      const bool inner_changes = ci.kind != SegmentKind::identity;
      const bool outer_changes = co.kind != SegmentKind::identity;
      // Adding to a zero cost gives the other cost unchanged.
      c.rules = inner_changes && outer_changes ? unions_.of(ci.rules, co.rules)
                : inner_changes                ? ci.rules
                                               : co.rules;
      c.cost = inner_changes && outer_changes ? ci.cost + co.cost
               : inner_changes                ? ci.cost
                                              : co.cost;
      c.kind = kind;
    }
    e = Entry{a, b, kind, true, result_.intern(c)};
    return e.id;
  }

  const SpanMap& inner_;
  const SpanMap& outer_;
  SpanMapWriter& result_;
  RuleSetUnions& unions_;
  Entry entries_[kSlots];
};

// Segments of one map that end strictly inside an identity of the other, from k on, as the
// general step makes them: each one's B side moves by the identity's shift to the far side
// (the separator pass's map holds thousands under the long identities of the passes before
// it, and the folds of the passes before it lie under its long identities). `under_inner`:
// the walked map is the outer one and the identity is inner. Only where the walked map and
// the result are contiguous at `at_b`, so that each segment starts where the last one ended;
// at_b and `far_start` (the identity's side of at_b: A under an inner identity, C under an
// outer one) are carried on. Where it stops (the identity's last segment, a segment crossing
// its end, a gap) the caller's loop goes on. Out of line, so that the run's positions stay in
// registers: inlined into the walk, they were spilled with the walk's own state.
template <bool under_inner, class Map>
[[gnu::noinline]] std::size_t shift_under_identity(const Piece& identity, Map& walked,
                                                   std::size_t k, Position& at_b,
                                                   Position& far_start, ResultChanges& changes,
                                                   SpanMapWriter& result) {
  // The walked map's B side and its other side.
  const auto b_of = [](const SegmentEnd& e) { return under_inner ? e.src() : e.dst(); };
  const auto other_of = [](const SegmentEnd& e) { return under_inner ? e.dst() : e.src(); };
  const Span& identity_b = under_inner ? identity.dst : identity.src;
  const Span& identity_far = under_inner ? identity.src : identity.dst;
  const std::size_t count = walked.len();
  if (k >= count || !walked.contiguous()) return k;
  const SegmentEnd& first = walked.start_of(k);
  if (at_b.first != b_of(first).first) return k;
  Position other_start = other_of(first);
  if (!(under_inner ? result.continues_at(far_start, other_start)
                    : result.continues_at(other_start, far_start)))
    return k;
  // The carry of a B position strictly inside the identity adds the identity's shift (modulo
  // 2^32, as the carry's own sums wrap).
  const std::uint32_t byte_shift = identity_far.byte_start - identity_b.byte_start;
  const std::uint32_t char_shift = identity_far.char_start - identity_b.char_start;
  const std::uint32_t b_limit = identity_b.byte_end;
  Position b_start = at_b, far = far_start;
  // The last change met and what it became: a run repeats the same few (one fold, one absorbed
  // separator).
  std::uint32_t met_change = 0, met_result = 0;
  SegmentKind met_kind = SegmentKind::identity;
  for (; k < count; ++k) {
    const SegmentEnd& e = walked.end_of(k);
    const Position b_end = b_of(e);
    if (!(b_start.first < b_end.first) || b_end.first >= b_limit) break;
    const Position far_end{b_end.first + byte_shift, b_end.second + char_shift};
    const Position other_end = other_of(e);
    const Position a_end = under_inner ? far_end : other_end;
    const Position c_end = under_inner ? other_end : far_end;
    std::uint32_t change = 0;
    if (e.kind() != SegmentKind::identity) {
      const SegmentKind kind =
          under_inner ? kind_from_shape(span_of(far, far_end), span_of(other_start, c_end))
                      : kind_from_shape(span_of(other_start, a_end), span_of(far, far_end));
      if (e.change != met_change || kind != met_kind || met_change == 0) {
        met_change = e.change;
        met_kind = kind;
        met_result = under_inner ? changes.of(identity.change, e.change, kind)
                                 : changes.of(e.change, identity.change, kind);
      }
      change = met_result;
    }
    result.push_next(SegmentEnd{a_end.first, a_end.second, c_end.first, c_end.second, change});
    b_start = b_end;
    far = far_end;
    other_start = other_end;
  }
  at_b = b_start;
  far_start = far;
  return k;
}

// Gives the memory of the segments a walk has passed back to the system as it goes, when the
// two maps are the walk's to take: their segments are never read again, and destroying them
// reads nothing (stored bounds are trivially destructible), so whole pages of them can be
// dropped while the result grows. Without it a walk holds both maps and the result at once.
class PassedSegments {
 public:
  static_assert(std::is_trivially_destructible_v<SegmentEnd>);

  // Bound `passed` stays: segment `passed` starts there.
  void release(std::vector<SegmentEnd>& bounds, std::size_t passed, std::size_t& released) {
    if ((passed - released) * sizeof(SegmentEnd) < pages::kReleaseBytes) return;
    pages::release(bounds.data() + released, bounds.data() + passed);
    released = passed;
  }
};

// The full re-cutting algorithm, without the identity shortcuts. Map is SpanMap when both maps
// may be taken (their passed pages are given back), or const SpanMap when they are only read.
template <class Map>
Result<SpanMap> compose_walk(Map& inner, Map& outer) {
  const Position inner_output_end = inner.dst_end();
  const Position outer_input_end = outer.src_end();
  if (inner_output_end != outer_input_end)
    return std::unexpected(mismatch("inner output " + pair_text(inner_output_end) +
                                    " != outer input " + pair_text(outer_input_end)));

  const std::size_t inner_count = inner.len(), outer_count = outer.len();
  SpanMapWriter result;
  if (inner_count == 0 && outer_count == 0) return result.finish();
  result.reserve(inner_count + outer_count);
  ResultChanges changes(inner, outer, result);

  const Position outer_output_end = outer.dst_end();  // (0, 0) for an empty outer map
  std::size_t i = 0, j = 0;
  Position at_b{0, 0};
  interrupt::Poll poll;
  constexpr bool taken = !std::is_const_v<Map>;
  PassedSegments passed;
  std::size_t inner_released = 0, outer_released = 0;

  while (i < inner_count || j < outer_count) {
    poll.reach(i + j);
    if constexpr (taken) {
      passed.release(inner.stored_bounds(), i, inner_released);
      passed.release(outer.stored_bounds(), j, outer_released);
    }
    // Deletions of the inner map produce no B text: they land on one C point.
    while (i < inner_count && !(inner.dst_byte_start(i) < inner.end_of(i).dst_byte)) {
      Position at_c = outer_output_end;
      if (j < outer_count && !to_c(piece(outer, j), at_b, at_c))
        return std::unexpected(forward_error(j, at_b));
      const Piece del = piece(inner, i);
      result.push_unfolded(del.src, span_of(at_c, at_c),
                           changes.of(del.change, ResultChanges::kNoOuter, SegmentKind::delete_));
      ++i;
    }
    if (i >= inner_count && j >= outer_count) break;
    if (j < outer_count && !(outer.src_byte_start(j) < outer.end_of(j).src_byte))
      return std::unexpected(insertion_error(j));
    if (i >= inner_count || j >= outer_count)
      return std::unexpected(exhausted_error(at_b, i, inner_count, j, outer_count));

    // Long identity segments hold many segments of the other side, each a group of its own:
    // walk those in a tight loop. Each step is the general group below with its branches
    // known; anything else (a deletion, a segment that crosses the identity's end, a failed
    // carry) leaves the loop and comes back through the general steps.
    if (outer.kind_of(j) == SegmentKind::identity) {
      const Piece outer_seg = piece(outer, j);
      const std::size_t first_inner = i;
      Position c_start;
      if (to_c(outer_seg, at_b, c_start)) {
        while (i < inner_count) {
          i = shift_under_identity<false>(outer_seg, inner, i, at_b, c_start, changes, result);
          if (i >= inner_count) break;
          const SegmentEnd& e = inner.end_of(i);
          const SegmentEnd& s = inner.start_of(i);
          if (!(s.dst_byte < e.dst_byte) || e.dst_byte > outer_seg.src.byte_end) break;
          const Position end{e.dst_byte, e.dst_char};
          // The carries of the general step, read off the segment's ends: at_b is nearly
          // always its start (the last segment's end, unless the map has gaps), `end` lies
          // past its start, and at_b's carry is the last step's carry of `end`.
          Position a_start, c_end;
          if (at_b.first == s.dst_byte) a_start = {s.src_byte, s.src_char};
          else if (!to_a(piece(inner, i), at_b, a_start)) break;
          if (!to_c(outer_seg, end, c_end)) break;
          const Span src = span_of(a_start, {e.src_byte, e.src_char});
          const Span dst = span_of(c_start, c_end);
          changes.push_pair(piece(inner, i), outer_seg, src, dst);
          ++i;
          at_b = end;
          c_start = c_end;  // at_b carried on
          if (outer_seg.src.byte_end <= end.first) {
            ++j;
            break;
          }
        }
      }
      if (i != first_inner) continue;
    }
    if (inner.kind_of(i) == SegmentKind::identity) {
      const Piece inner_seg = piece(inner, i);
      const std::size_t first_outer = j;
      Position a_start;
      if (to_a(inner_seg, at_b, a_start)) {
        while (j < outer_count) {
          j = shift_under_identity<true>(inner_seg, outer, j, at_b, a_start, changes, result);
          if (j >= outer_count) break;
          const SegmentEnd& e = outer.end_of(j);
          const SegmentEnd& s = outer.start_of(j);
          if (!(s.src_byte < e.src_byte) || e.src_byte > inner_seg.dst.byte_end) break;
          const Position end = e.src_byte == inner_seg.dst.byte_end
                                   ? Position{inner_seg.dst.byte_end, inner_seg.dst.char_end}
                                   : Position{e.src_byte, e.src_char};
          // The carries of the general step, read off the segment's ends as in the loop above.
          Position a_end, c_start;
          if (!to_a(inner_seg, end, a_end)) break;
          if (at_b.first == s.src_byte) c_start = {s.dst_byte, s.dst_char};
          else if (!to_c(piece(outer, j), at_b, c_start)) break;
          const Span src = span_of(a_start, a_end);
          const Span dst = span_of(c_start, {e.dst_byte, e.dst_char});
          changes.push_pair(inner_seg, piece(outer, j), src, dst);
          ++j;
          at_b = end;
          a_start = a_end;  // at_b carried back
          if (inner_seg.dst.byte_end <= end.first) {
            ++i;
            break;
          }
        }
      }
      if (j != first_outer) continue;
    }

    // Most groups are one segment of each side: both end together, or one of them is an
    // identity cut where the other ends.
    const Piece inner_seg = piece(inner, i);
    const Piece outer_seg = piece(outer, j);
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
    const Piece last_inner_seg = last_inner == i ? inner_seg : piece(inner, last_inner);
    const Piece last_outer_seg = last_outer == j ? outer_seg : piece(outer, last_outer);

    Position a_start, a_end, c_start, c_end;
    if (!to_a(inner_seg, at_b, a_start)) return std::unexpected(backward_error(i, at_b));
    if (!to_a(last_inner_seg, group_end, a_end))
      return std::unexpected(backward_error(last_inner, group_end));
    if (!to_c(outer_seg, at_b, c_start)) return std::unexpected(forward_error(j, at_b));
    if (!to_c(last_outer_seg, group_end, c_end))
      return std::unexpected(forward_error(last_outer, group_end));
    const Span src = span_of(a_start, a_end), dst = span_of(c_start, c_end);

    if (last_inner != i || last_outer != j)
      changes.push_group(i, last_inner, j, last_outer, src, dst);
    else changes.push_pair(inner_seg, outer_seg, src, dst);

    i = last_inner_seg.dst.byte_end <= group_end.first ? last_inner + 1 : last_inner;
    j = last_outer_seg.src.byte_end <= group_end.first ? last_outer + 1 : last_outer;
    at_b = group_end;
  }

  if constexpr (taken) {
    // Nothing of the taken maps is left to read.
    SpanMap::give_back(std::move(inner));
    SpanMap::give_back(std::move(outer));
  }
  return result.finish();
}

}  // namespace

Result<SpanMap> SpanMap::compose(const SpanMap& inner, const SpanMap& outer) {
  // Shortcuts for a pass that changed nothing; they give exactly what the general walk gives.
  if (inner.dst_end() == outer.src_end()) {
    if (inner.empty() && outer.empty()) return SpanMap();
    if (!inner.empty() && is_plain_identity(inner) && is_canonical(outer)) return outer;
    if (is_plain_identity(outer) && is_canonical(inner)) return inner;
  }
  return compose_walk(inner, outer);
}

Result<SpanMap> SpanMap::compose(SpanMap&& inner, SpanMap&& outer) {
  if (inner.dst_end() == outer.src_end()) {
    if (inner.empty() && outer.empty()) return SpanMap();
    if (!inner.empty() && is_plain_identity(inner) && is_canonical(outer)) return std::move(outer);
    if (is_plain_identity(outer) && is_canonical(inner)) return std::move(inner);
  }
  return compose_walk(inner, outer);
}

}  // namespace norvane
