// How a span map stores its segments: each as its ends and the number of a change kept once
// per map, with starts kept only for hand-made maps whose segments do not meet.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "test_support.hpp"

namespace norvane {
namespace {

using namespace testing;
using K = SegmentKind;

const RuleName kFold = "fold.fullwidth";
const RuleName kSpace = "separator.whitespace";
const RuleName kLookalike = "lookalike.digit";

static_assert(sizeof(SegmentEnd) == 20);

// Segments that meet, with changes repeated along the map: read back exactly, each distinct
// change kept once.
TEST(SegmentStorage, ContiguousSegmentsReadBackAndShareTheirChanges) {
  std::vector<Segment> segs;
  std::uint32_t sb = 0, sc = 0, dst = 0;  // the output is ASCII
  for (int k = 0; k < 1000; ++k) {
    segs.push_back(id(S(sb, sb + 2, sc, sc + 2), A(dst, dst + 2)));
    sb += 2, sc += 2, dst += 2;
    segs.push_back(
        seg(K::delete_, S(sb, sb + 1, sc, sc + 1), A(dst, dst), {kSpace}, cost(1, 0, 0, 0)));
    sb += 1, sc += 1;
    // Two rule sets and a cost that depends on the length: six distinct changes in all.
    const std::uint32_t wide = 1 + k % 3;
    segs.push_back(seg(K::replace, S(sb, sb + 3 * wide, sc, sc + wide), A(dst, dst + wide),
                       k % 2 ? RuleList{kFold} : RuleList{kFold, kLookalike},
                       cost(0, 0, 0, static_cast<std::uint16_t>(wide))));
    sb += 3 * wide, sc += wide, dst += wide;
  }
  const SpanMap map(segs);
  ASSERT_EQ(map.segments(), segs);
  EXPECT_EQ(map.len(), segs.size());
  EXPECT_EQ(map.change_count(), 1u + 6u);  // the deletion, and 2 rule sets x 3 widths
  EXPECT_TRUE(map.validate());
  EXPECT_EQ(map.src_end(), (Position{sb, sc}));
  EXPECT_EQ(map.dst_end(), (Position{dst, dst}));
  EXPECT_EQ(SpanMap(map.segments()), map);
}

// Hand-made maps whose segments leave gaps, overlap or run backwards keep every segment as it
// was given, so that validation and composition see what the caller wrote.
TEST(SegmentStorage, SegmentsThatDoNotMeetKeepTheirStarts) {
  const std::vector<std::vector<Segment>> cases = {
      {id(A(0, 1)), id(A(2, 3)), seg(K::delete_, A(3, 4), A(3, 3), {kSpace}, cost(1, 0, 0, 0))},
      {id(A(1, 2))},  // does not start at the origin
      {id(A(0, 1)), id(A(1, 0)), id(A(5, 9), A(0, 4))},
      {seg(K::replace, A(0, 1), S(0, 2, 0, 1), {kFold}),
       seg(K::replace, S(1, 2, 1, 0), S(2, 3, 1, 2))},
      // an identity with a rule, then one that meets it: the two stay apart
      {seg(K::identity, A(0, 1), A(0, 1), {kFold}), id(A(1, 2))},
  };
  for (const auto& segs : cases) {
    const SpanMap map(segs);
    EXPECT_EQ(map.segments(), segs) << str(map);
    EXPECT_EQ(SpanMap(map.segments()), map);
  }
  // Equal lists are equal maps, however each was stored.
  EXPECT_FALSE(SpanMap(cases[0]) == SpanMap(cases[1]));
  EXPECT_FALSE(SpanMap({id(A(0, 1)), id(A(1, 2))}) == SpanMap({id(A(0, 2))}));
}

// The writer folds an identity into an identity before it, as builders and compositions do,
// and switches to keeping starts at the first segment that does not meet the one before.
TEST(SegmentStorage, WriterFoldsIdentitiesAndKeepsStartsAfterAGap) {
  SpanMapWriter w;
  w.push(A(0, 2), A(0, 2), 0);
  w.push(A(2, 3), A(2, 3), 0);
  const std::uint32_t del =
      w.intern(SegmentChange{RuleSet::of(kSpace), cost(1, 0, 0, 0), K::delete_});
  EXPECT_EQ(w.intern(SegmentChange{RuleSet::of(kSpace), cost(1, 0, 0, 0), K::delete_}), del);
  w.push(A(3, 4), A(3, 3), del);
  w.push(A(4, 5), A(3, 4), 0);
  w.push(A(7, 8), A(4, 5), 0);     // a gap on the source side, folded into the identity before
  w.push(A(9, 10), A(6, 6), del);  // a gap on both sides
  const SpanMap map = w.finish();
  EXPECT_EQ(str(map),
            "identity 0-3>0-3 | delete 3-4>3-3 [separator.whitespace] w1 | identity 4-8>3-5 | "
            "delete 9-10>6-6 [separator.whitespace] w1");
  EXPECT_EQ(map.change_count(), 1u);
  const Result<void> valid = map.validate();
  ASSERT_FALSE(valid);
  EXPECT_EQ(valid.error().text(),
            "span map invariant violated at segment 2: identity segment has unequal lengths");
  EXPECT_EQ(w.len(), 0u);  // finished: the writer starts again from nothing
}

// A writer numbers each distinct change once, whether it still finds changes by scanning them
// (a few) or by hash (many): interning the same change again, before and after the switch,
// gives its first number, and every segment reads back its own change.
TEST(SegmentStorage, WriterNumbersChangesOnceBeforeAndAfterManyAreKept) {
  SpanMapWriter w;
  const K kinds[] = {K::replace, K::delete_, K::expand, K::replace};
  auto change = [&](int k) {
    return SegmentChange{RuleSet::of(k % 2 ? kFold : kSpace),
                         cost(static_cast<std::uint16_t>(k), 0, 0, 0), kinds[k % 4]};
  };
  std::vector<std::uint32_t> first;
  std::vector<Segment> expected;
  std::uint32_t at = 0, out = 0;  // the segments meet on both sides
  for (int k = 0; k < 60; ++k) {
    const std::uint32_t n = w.intern(change(k));
    first.push_back(n);
    for (int again = 0; again <= k; again += 7) {  // earlier changes, far beyond the recent ones
      ASSERT_EQ(w.intern(change(again)), first[static_cast<std::size_t>(again)]) << k;
      const K kind = kinds[again % 4];
      const std::uint32_t written = kind == K::delete_ ? 0 : kind == K::expand ? 3 : 1;
      const Span src = A(at, at + 1), dst = A(out, out + written);
      w.push_unfolded(src, dst, first[static_cast<std::size_t>(again)]);
      expected.push_back(seg(kind, src, dst, {again % 2 ? kFold : kSpace},
                             cost(static_cast<std::uint16_t>(again), 0, 0, 0)));
      ++at, out += written;
    }
  }
  const SpanMap map = w.finish();
  EXPECT_EQ(map.change_count(), 60u);
  EXPECT_EQ(map.segments(), expected);
}

// A map's first few changes are held in the map itself and the rest in a list: maps with any
// number of changes on either side of that read back the same after a copy, a move and a move
// over a map with more changes, and a moved-from map is empty.
TEST(SegmentStorage, ChangesInPlaceAndBeyondSurviveCopiesAndMoves) {
  auto map_with = [](std::uint16_t changes) {
    std::vector<Segment> segs;
    for (std::uint32_t k = 0; k < changes; ++k) {
      segs.push_back(id(A(3 * k, 3 * k + 2), A(2 * k, 2 * k + 2)));
      // Each deletion a change of its own: its cost differs from every other's.
      segs.push_back(seg(K::delete_, A(3 * k + 2, 3 * k + 3), A(2 * k + 2, 2 * k + 2),
                         {k % 2 ? kFold : kSpace},
                         cost(static_cast<std::uint16_t>(k + 1), 0, 0, 0)));
    }
    return segs;
  };
  const SpanMap widest(map_with(9));
  for (std::uint16_t changes = 0; changes <= 9; ++changes) {
    const std::vector<Segment> segs = map_with(changes);
    SpanMap map(segs);
    ASSERT_EQ(map.change_count(), changes);
    const SpanMap copy = map;
    EXPECT_EQ(copy.segments(), segs) << changes;
    SpanMap moved(std::move(map));
    EXPECT_EQ(moved.segments(), segs) << changes;
    EXPECT_EQ(moved.change_count(), changes);
    EXPECT_EQ(map.len(), 0u);  // NOLINT(bugprone-use-after-move): moved-from maps are empty
    EXPECT_EQ(map.change_count(), 0u);
    SpanMap over = widest;
    over = std::move(moved);
    EXPECT_EQ(over.segments(), segs) << changes;
    EXPECT_EQ(over.change_count(), changes);
    EXPECT_EQ(moved.change_count(), 0u);  // NOLINT(bugprone-use-after-move)
    // A moved-from map takes new changes from the first number on.
    moved = SpanMap(map_with(2));
    EXPECT_EQ(moved.segments(), map_with(2));
  }
}

// Maps of random segments built both ways (as a list, and through the writer one segment at
// a time) read back the same, and project every query the same as the list says.
TEST(SegmentStorage, RandomMapsReadBackAsWritten) {
  std::mt19937 rng(11);
  auto pick = [&](int n) { return static_cast<std::uint32_t>(rng() % static_cast<unsigned>(n)); };
  const RuleList names[] = {{}, {kFold}, {kSpace}, {kFold, kLookalike}};
  for (int round = 0; round < 2000; ++round) {
    std::vector<Segment> segs;
    std::uint32_t sb = 0, sc = 0, db = 0, dc = 0;
    const std::uint32_t count = pick(12);
    for (std::uint32_t k = 0; k < count; ++k) {
      // Mostly segments that meet, now and then a jump.
      if (pick(8) == 0) sb += pick(3), db += pick(3);
      const std::uint32_t nb = 1 + pick(3), nd = pick(3);
      const K kind = static_cast<K>(pick(4));
      segs.push_back(seg(kind, S(sb, sb + nb, sc, sc + nb), S(db, db + nd, dc, dc + nd),
                         kind == K::identity && pick(2) ? RuleList{} : names[pick(4)],
                         cost(0, 0, 0, static_cast<std::uint16_t>(pick(3)))));
      sb += nb, sc += nb, db += nd, dc += nd;
    }
    const SpanMap map(segs);
    ASSERT_EQ(map.segments(), segs);
    const std::vector<Segment> read = map.segments();
    for (std::size_t i = 0; i < segs.size(); ++i) {
      ASSERT_EQ(map.src_byte_start(i), segs[i].src.byte_start);
      ASSERT_EQ(map.dst_char_start(i), segs[i].dst.char_start);
      ASSERT_EQ(map.kind_of(i), segs[i].kind);
    }
    for (int q = 0; q < 4; ++q) {
      const Span query = A(pick(20), pick(20));
      (void)map.to_source(query);  // never faults, whatever the map
    }
  }
}

}  // namespace
}  // namespace norvane
