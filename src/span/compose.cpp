// Composition of two span maps, A -> B (inner) and B -> C (outer), into one map A -> C.
#include <string>
#include <type_traits>
#include <vector>

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
    out = {to.byte_start + (p.first - from.byte_start), to.char_start + (p.second - from.char_start)};
  } else {
    return false;
  }
  return true;
}

[[gnu::cold]] Error forward_error(std::size_t j, Position p) {
  return mismatch("src byte " + std::to_string(p.first) + " falls inside non-identity segment " +
                  std::to_string(j));
}

[[gnu::cold]] Error backward_error(std::size_t i, Position p) {
  return mismatch("dst byte " + std::to_string(p.first) + " falls inside non-identity segment " +
                  std::to_string(i));
}

Span span_of(Position a, Position b) { return Span{a.first, b.first, a.second, b.second}; }

// The rules of a consumed segment: moved out when the map is ours to take, else copied.
template <class Seg>
void take_rules(RuleList& to, Seg& from) {
  if constexpr (std::is_const_v<Seg>) to = from.rules;
  else to = std::move(from.rules);
}

bool rules_sorted_unique(const RuleList& rules) {
  for (std::size_t k = 1; k < rules.size(); ++k)
    if (!(rules[k - 1] < rules[k])) return false;
  return true;
}

// True when composing with an identity on the other side reproduces the map unchanged: a
// contiguous cover from (0, 0), kinds that match their shapes, sorted rules, no two identity
// segments in a row. Builder-made maps always pass.
bool is_canonical(const SpanMap& m) {
  std::uint32_t sb = 0, sc = 0, db = 0, dc = 0;
  bool prev_identity = false;
  for (const Segment& s : m.segments) {
    if (s.src.byte_start != sb || s.src.char_start != sc || s.dst.byte_start != db ||
        s.dst.char_start != dc)
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
      if (s.kind != kind_from_shape(s.src, s.dst) || !rules_sorted_unique(s.rules)) return false;
      prev_identity = false;
    }
    sb = s.src.byte_end;
    sc = s.src.char_end;
    db = s.dst.byte_end;
    dc = s.dst.char_end;
  }
  return true;
}

// A map that passes every position through unchanged: empty, or one identity segment from
// (0, 0) whose two sides are the same span.
bool is_plain_identity(const SpanMap& m) {
  if (m.segments.empty()) return true;
  if (m.segments.size() != 1) return false;
  const Segment& s = m.segments.front();
  return s.kind == SegmentKind::identity && s.src == s.dst && s.src.byte_start == 0 &&
         s.src.char_start == 0 && s.src.byte_start < s.src.byte_end &&
         s.src.char_start <= s.src.char_end;
}

[[gnu::cold]] Error insertion_error(std::size_t j) {
  return mismatch("outer segment " + std::to_string(j) +
                  " has an empty source range; insertion is not supported");
}

[[gnu::cold]] Error exhausted_error(Position b, std::size_t i, std::size_t n, std::size_t j,
                                    std::size_t m) {
  return mismatch("segment exhausted at B byte " + std::to_string(b.first) + " (inner " +
                  std::to_string(i) + "/" + std::to_string(n) + ", outer " + std::to_string(j) +
                  "/" + std::to_string(m) + ")");
}

// The last segment of each side in a group, and the B position where the group ends.
struct GroupEnd {
  std::size_t gi, gj;
  Position end;
};

// Grows the group that starts at in[i] and ou[j] until both sides share an end, or one side
// can be cut there.
[[gnu::noinline]] Result<GroupEnd> grow_group(const std::vector<Segment>& in,
                                              const std::vector<Segment>& ou, std::size_t i,
                                              std::size_t j, Position b) {
  const std::size_t n = in.size(), m = ou.size();
  std::size_t gi = i, gj = j;
  std::uint32_t ib = in[gi].dst.byte_end, ob = ou[gj].src.byte_end;
  for (;;) {
    if (ib == ob) return GroupEnd{gi, gj, {ib, in[gi].dst.char_end}};
    if (ib < ob) {
      if (ou[gj].kind == SegmentKind::identity) return GroupEnd{gi, gj, {ib, in[gi].dst.char_end}};
      if (++gi >= n)
        return std::unexpected(
            mismatch("inner exhausted while grouping at B byte " + std::to_string(b.first)));
      ib = in[gi].dst.byte_end;
    } else {
      if (in[gi].kind == SegmentKind::identity) return GroupEnd{gi, gj, {ob, ou[gj].src.char_end}};
      if (++gj >= m)
        return std::unexpected(
            mismatch("outer exhausted while grouping at B byte " + std::to_string(b.first)));
      ob = ou[gj].src.byte_end;
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
// transformed segments, inner ones first. Rare enough to copy the rules.
[[gnu::noinline]] void push_group(std::vector<Segment>& result, const std::vector<Segment>& in,
                                  const std::vector<Segment>& ou, std::size_t i, std::size_t gi,
                                  std::size_t j, std::size_t gj, const Span& src, const Span& dst) {
  bool transformed = false;
  NormalizationCost cost;
  RuleList rules;
  for (std::size_t k = i; k <= gi; ++k) {
    if (in[k].kind == SegmentKind::identity) continue;
    transformed = true;
    rules.insert(rules.end(), in[k].rules.begin(), in[k].rules.end());
    cost += in[k].cost;
  }
  for (std::size_t k = j; k <= gj; ++k) {
    if (ou[k].kind == SegmentKind::identity) continue;
    transformed = true;
    rules.insert(rules.end(), ou[k].rules.begin(), ou[k].rules.end());
    cost += ou[k].cost;
  }
  if (!transformed) {
    push_identity(result, src, dst);
    return;
  }
  sort_unique(rules);
  Segment& seg = result.emplace_back();
  seg.rules = std::move(rules);
  seg.src = src;
  seg.dst = dst;
  seg.cost = cost;
  seg.kind = kind_from_shape(src, dst);
}

// The segment of a group of one segment per side, x of the inner map and y of the outer.
template <class Seg>
inline void push_pair(std::vector<Segment>& result, Seg& x, Seg& y, const Span& src,
                      const Span& dst) {
  const bool tx = x.kind != SegmentKind::identity, ty = y.kind != SegmentKind::identity;
  if (!tx && !ty) {
    push_identity(result, src, dst);
    return;
  }
  RuleList rules;
  take_rules(rules, tx ? x : y);
  if (tx && ty) rules.insert(rules.end(), y.rules.begin(), y.rules.end());
  if (rules.size() > 1) sort_unique(rules);
  // Adding to a zero cost gives the other cost unchanged.
  const NormalizationCost cost = tx && ty ? x.cost + y.cost : tx ? x.cost : y.cost;
  result.emplace_back(std::move(rules), src, dst, cost, kind_from_shape(src, dst));
}

// The full re-cutting algorithm, without the identity shortcuts. Map is SpanMap when the rule
// lists of both maps may be taken (every segment that carries rules is consumed once), or
// const SpanMap when they must be copied.
template <class Map>
Result<SpanMap> compose_walk(Map& inner, Map& outer) {
  const Position inner_end = inner.dst_end();
  const Position outer_start_end = outer.src_end();
  if (inner_end != outer_start_end)
    return std::unexpected(mismatch("inner output " + pair_text(inner_end) + " != outer input " +
                                    pair_text(outer_start_end)));

  auto& in = inner.segments;
  auto& ou = outer.segments;
  const std::size_t n = in.size(), m = ou.size();
  std::vector<Segment> result;
  if (n == 0 && m == 0) return SpanMap(std::move(result));
  result.reserve(n + m);

  const Position c_end = outer.dst_end();  // (0, 0) for an empty outer map
  std::size_t i = 0, j = 0;
  Position b{0, 0};

  while (i < n || j < m) {
    // Deletions of the inner map produce no B text: they land on one C point.
    while (i < n && in[i].dst.is_empty()) {
      Position c = c_end;
      if (j < m && !carry(ou[j], ou[j].src, ou[j].dst, b, c))
        return std::unexpected(forward_error(j, b));
      Segment& seg = result.emplace_back();
      take_rules(seg.rules, in[i]);
      seg.src = in[i].src;
      seg.dst = span_of(c, c);
      seg.cost = in[i].cost;
      seg.kind = SegmentKind::delete_;
      ++i;
    }
    if (i >= n && j >= m) break;
    if (j < m && ou[j].src.is_empty()) return std::unexpected(insertion_error(j));
    if (i >= n || j >= m) return std::unexpected(exhausted_error(b, i, n, j, m));

    // Long identity segments hold many segments of the other side, each a group of its own:
    // walk those in a tight loop. Each step is the general group below with its branches
    // known; anything else (a deletion, a segment that crosses the identity's end, a failed
    // carry) leaves the loop and comes back through the general steps.
    if (ou[j].kind == SegmentKind::identity) {
      auto& y = ou[j];
      const std::size_t i0 = i;
      while (i < n) {
        auto& x = in[i];
        if (x.dst.is_empty() || x.dst.byte_end > y.src.byte_end) break;
        const Position end{x.dst.byte_end, x.dst.char_end};
        Position a0, a1, c0, c1;
        if (!carry(x, x.dst, x.src, b, a0) || !carry(x, x.dst, x.src, end, a1) ||
            !carry(y, y.src, y.dst, b, c0) || !carry(y, y.src, y.dst, end, c1))
          break;
        push_pair(result, x, y, span_of(a0, a1), span_of(c0, c1));
        ++i;
        b = end;
        if (y.src.byte_end <= end.first) {
          ++j;
          break;
        }
      }
      if (i != i0) continue;
    }
    if (in[i].kind == SegmentKind::identity) {
      auto& x = in[i];
      const std::size_t j0 = j;
      while (j < m) {
        auto& y = ou[j];
        if (y.src.is_empty() || y.src.byte_end > x.dst.byte_end) break;
        const Position end = y.src.byte_end == x.dst.byte_end
                                 ? Position{x.dst.byte_end, x.dst.char_end}
                                 : Position{y.src.byte_end, y.src.char_end};
        Position a0, a1, c0, c1;
        if (!carry(x, x.dst, x.src, b, a0) || !carry(x, x.dst, x.src, end, a1) ||
            !carry(y, y.src, y.dst, b, c0) || !carry(y, y.src, y.dst, end, c1))
          break;
        push_pair(result, x, y, span_of(a0, a1), span_of(c0, c1));
        ++j;
        b = end;
        if (x.dst.byte_end <= end.first) {
          ++i;
          break;
        }
      }
      if (j != j0) continue;
    }

    // Most groups are one segment of each side: both end together, or one of them is an
    // identity cut where the other ends.
    auto& x = in[i];
    auto& y = ou[j];
    std::size_t gi = i, gj = j;
    Position g_end;
    const std::uint32_t ib = x.dst.byte_end, ob = y.src.byte_end;
    if (ib == ob || (ib < ob && y.kind == SegmentKind::identity)) {
      g_end = {ib, x.dst.char_end};
    } else if (ib > ob && x.kind == SegmentKind::identity) {
      g_end = {ob, y.src.char_end};
    } else {
      auto g = grow_group(in, ou, i, j, b);
      if (!g) return std::unexpected(std::move(g.error()));
      gi = g->gi;
      gj = g->gj;
      g_end = g->end;
    }
    auto& xe = in[gi];
    auto& ye = ou[gj];

    Position a0, a1, c0, c1;
    if (!carry(x, x.dst, x.src, b, a0)) return std::unexpected(backward_error(i, b));
    if (!carry(xe, xe.dst, xe.src, g_end, a1)) return std::unexpected(backward_error(gi, g_end));
    if (!carry(y, y.src, y.dst, b, c0)) return std::unexpected(forward_error(j, b));
    if (!carry(ye, ye.src, ye.dst, g_end, c1)) return std::unexpected(forward_error(gj, g_end));
    const Span src = span_of(a0, a1), dst = span_of(c0, c1);

    if (gi != i || gj != j)
      push_group(result, in, ou, i, gi, j, gj, src, dst);
    else
      push_pair(result, x, y, src, dst);

    i = xe.dst.byte_end <= g_end.first ? gi + 1 : gi;
    j = ye.src.byte_end <= g_end.first ? gj + 1 : gj;
    b = g_end;
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
