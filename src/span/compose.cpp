// Composition of two span maps, A -> B (inner) and B -> C (outer), into one map A -> C.
#include <string>

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

SegmentKind kind_from_shape(const Span& src, const Span& dst) {
  if (dst.is_empty()) return SegmentKind::delete_;
  if (src.char_len() < dst.char_len()) return SegmentKind::expand;
  return SegmentKind::replace;
}

// Carries B position p from one side of segment s to the other. `from` is the B side of s and
// `to` the other side. Byte offsets decide; chars follow. Unsigned arithmetic only wraps on
// hand-built maps whose chars disagree with their bytes.
bool carry(const Segment& s, const Span& from, const Span& to, Position p, Position& out) {
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

Result<Position> forward(const SpanMap& outer, std::size_t j, Position p) {
  const Segment& s = outer.segments[j];
  Position out;
  if (carry(s, s.src, s.dst, p, out)) return out;
  return std::unexpected(mismatch("src byte " + std::to_string(p.first) +
                                  " falls inside non-identity segment " + std::to_string(j)));
}

Result<Position> backward(const SpanMap& inner, std::size_t i, Position p) {
  const Segment& s = inner.segments[i];
  Position out;
  if (carry(s, s.dst, s.src, p, out)) return out;
  return std::unexpected(mismatch("dst byte " + std::to_string(p.first) +
                                  " falls inside non-identity segment " + std::to_string(i)));
}

Span span_of(Position a, Position b) { return Span{a.first, b.first, a.second, b.second}; }

// Adjacent identity pieces fold into one, as the builder's keep does.
void push_merged(std::vector<Segment>& out, Segment&& seg) {
  if (seg.kind == SegmentKind::identity && !out.empty() &&
      out.back().kind == SegmentKind::identity) {
    Segment& prev = out.back();
    prev.src.byte_end = seg.src.byte_end;
    prev.src.char_end = seg.src.char_end;
    prev.dst.byte_end = seg.dst.byte_end;
    prev.dst.char_end = seg.dst.char_end;
    return;
  }
  out.push_back(std::move(seg));
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

}  // namespace

namespace detail {

// The full re-cutting algorithm, without the identity shortcuts.
Result<SpanMap> compose_general(const SpanMap& inner, const SpanMap& outer) {
  const Position inner_end = inner.dst_end();
  const Position outer_start_end = outer.src_end();
  if (inner_end != outer_start_end)
    return std::unexpected(mismatch("inner output " + pair_text(inner_end) + " != outer input " +
                                    pair_text(outer_start_end)));

  const std::vector<Segment>& in = inner.segments;
  const std::vector<Segment>& ou = outer.segments;
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
      if (j < m) {
        auto r = forward(outer, j, b);
        if (!r) return std::unexpected(std::move(r.error()));
        c = *r;
      }
      Segment seg;
      seg.rules = in[i].rules;
      seg.src = in[i].src;
      seg.dst = span_of(c, c);
      seg.cost = in[i].cost;
      seg.kind = SegmentKind::delete_;
      result.push_back(std::move(seg));
      ++i;
    }
    if (i >= n && j >= m) break;

    if (j < m && ou[j].src.is_empty())
      return std::unexpected(mismatch("outer segment " + std::to_string(j) +
                                      " has an empty source range; insertion is not supported"));
    if (i >= n || j >= m)
      return std::unexpected(mismatch("segment exhausted at B byte " + std::to_string(b.first) +
                                      " (inner " + std::to_string(i) + "/" + std::to_string(n) +
                                      ", outer " + std::to_string(j) + "/" + std::to_string(m) +
                                      ")"));

    // Grow the group until both sides share an end, or one side can be cut there.
    std::size_t gi = i, gj = j;
    std::uint32_t ib = in[gi].dst.byte_end, ob = ou[gj].src.byte_end;
    Position g_end;
    for (;;) {
      if (ib == ob) {
        g_end = {ib, in[gi].dst.char_end};
        break;
      }
      if (ib < ob) {
        if (ou[gj].kind == SegmentKind::identity) {
          g_end = {ib, in[gi].dst.char_end};
          break;
        }
        if (++gi >= n)
          return std::unexpected(
              mismatch("inner exhausted while grouping at B byte " + std::to_string(b.first)));
        ib = in[gi].dst.byte_end;
      } else {
        if (in[gi].kind == SegmentKind::identity) {
          g_end = {ob, ou[gj].src.char_end};
          break;
        }
        if (++gj >= m)
          return std::unexpected(
              mismatch("outer exhausted while grouping at B byte " + std::to_string(b.first)));
        ob = ou[gj].src.byte_end;
      }
    }

    auto a0 = backward(inner, i, b);
    if (!a0) return std::unexpected(std::move(a0.error()));
    auto a1 = backward(inner, gi, g_end);
    if (!a1) return std::unexpected(std::move(a1.error()));
    auto c0 = forward(outer, j, b);
    if (!c0) return std::unexpected(std::move(c0.error()));
    auto c1 = forward(outer, gj, g_end);
    if (!c1) return std::unexpected(std::move(c1.error()));

    Segment seg;
    seg.src = span_of(*a0, *a1);
    seg.dst = span_of(*c0, *c1);
    bool transformed = false;
    for (std::size_t k = i; k <= gi; ++k) {
      if (in[k].kind == SegmentKind::identity) continue;
      transformed = true;
      seg.rules.insert(seg.rules.end(), in[k].rules.begin(), in[k].rules.end());
      seg.cost += in[k].cost;
    }
    for (std::size_t k = j; k <= gj; ++k) {
      if (ou[k].kind == SegmentKind::identity) continue;
      transformed = true;
      seg.rules.insert(seg.rules.end(), ou[k].rules.begin(), ou[k].rules.end());
      seg.cost += ou[k].cost;
    }
    if (transformed) {
      sort_unique(seg.rules);
      seg.kind = kind_from_shape(seg.src, seg.dst);
    } else {
      seg.kind = SegmentKind::identity;
    }
    push_merged(result, std::move(seg));

    i = in[gi].dst.byte_end <= g_end.first ? gi + 1 : gi;
    j = ou[gj].src.byte_end <= g_end.first ? gj + 1 : gj;
    b = g_end;
  }

  return SpanMap(std::move(result));
}

}  // namespace detail

Result<SpanMap> SpanMap::compose(const SpanMap& inner, const SpanMap& outer) {
  // Shortcuts for a pass that changed nothing; they give exactly what the general walk gives.
  if (inner.dst_end() == outer.src_end()) {
    if (inner.segments.empty() && outer.segments.empty()) return SpanMap();
    if (!inner.segments.empty() && is_plain_identity(inner) && is_canonical(outer)) return outer;
    if (is_plain_identity(outer) && is_canonical(inner)) return inner;
  }
  return detail::compose_general(inner, outer);
}

}  // namespace norvane
