// Composition of span maps A -> B (inner) and B -> C (outer) into A -> C.
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
const RuleName kUnits = "hangul.unit_reading";
const RuleName kLookalike = "lookalike.digit";

// Both overloads (copying and taking the rule lists) must give the same map.
Result<SpanMap> compose_both(const SpanMap& inner, const SpanMap& outer) {
  Result<SpanMap> copied = SpanMap::compose(inner, outer);
  SpanMap inner_copy = inner, outer_copy = outer;
  Result<SpanMap> taken = SpanMap::compose(std::move(inner_copy), std::move(outer_copy));
  EXPECT_EQ(copied.has_value(), taken.has_value());
  if (copied && taken) {
    EXPECT_EQ(*copied, *taken);
  } else if (!copied && !taken) {
    EXPECT_EQ(copied.error().text(), taken.error().text());
  }
  return copied;
}

struct ComposeCase {
  const char* what;
  SpanMap inner, outer;
  const char* composed;
};

// Composes a case both ways and compares the whole map with the one written out.
Result<SpanMap> expect_composed(const ComposeCase& c) {
  Result<SpanMap> r = compose_both(c.inner, c.outer);
  EXPECT_TRUE(r) << c.what << ": " << (r ? std::string() : r.error().text());
  if (r) {
    EXPECT_EQ(str(*r), c.composed) << c.what;
  }
  return r;
}

TEST(SpanMapCompose, CombinesSegmentsOfBothMaps) {
  const std::vector<ComposeCase> cases = {
      {"nothing and nothing", SpanMap(), SpanMap(), ""},
      {"a plain identity inside keeps the outer map", SpanMap({id(A(0, 3))}),
       SpanMap({id(A(0, 1)), seg(K::delete_, A(1, 2), A(1, 1), {kSpace}, cost(1, 0, 0, 0)),
                id(A(2, 3), A(1, 2))}),
       "identity 0-1>0-1 | delete 1-2>1-1 [separator.whitespace] w1 | identity 2-3>1-2"},
      {"a plain identity outside keeps the inner map",
       SpanMap({seg(K::replace, S(0, 3, 0, 1), A(0, 1), {kFold}, cost(0, 0, 0, 1)),
                id(S(3, 4, 1, 2), A(1, 2))}),
       SpanMap({id(A(0, 2))}), "replace 0-3/0-1>0-1 [fold.fullwidth] r1 | identity 3-4/1-2>1-2"},
      {"folded digits, then the space between them absorbed: \"１ ２\" -> \"1 2\" -> \"12\"",
       SpanMap({seg(K::replace, S(0, 3, 0, 1), A(0, 1), {kFold}, cost(0, 0, 0, 1)),
                id(S(3, 4, 1, 2), A(1, 2)),
                seg(K::replace, S(4, 7, 2, 3), A(2, 3), {kFold}, cost(0, 0, 0, 1))}),
       SpanMap({id(A(0, 1)), seg(K::delete_, A(1, 2), A(1, 1), {kSpace}, cost(1, 0, 0, 0)),
                id(A(2, 3), A(1, 2))}),
       "replace 0-3/0-1>0-1 [fold.fullwidth] r1 | delete 3-4/1-2>1-1 [separator.whitespace] w1"
       " | replace 4-7/2-3>1-2 [fold.fullwidth] r1"},
      {"a segment changed twice carries both rules, sorted, and both costs",
       SpanMap({seg(K::replace, S(0, 3, 0, 1), A(0, 1), {kFold}, cost(0, 0, 0, 1)),
                id(S(3, 4, 1, 2), A(1, 2))}),
       SpanMap({seg(K::replace, A(0, 1), A(0, 1), {kLookalike}, cost(0, 0, 0, 1)), id(A(1, 2))}),
       "replace 0-3/0-1>0-1 [fold.fullwidth,lookalike.digit] r2 | identity 3-4/1-2>1-2"},
      {"rules of both sides are sorted and kept once",
       SpanMap({seg(K::replace, A(0, 1), A(0, 1), {kLookalike}, cost(0, 0, 0, 1)), id(A(1, 2))}),
       SpanMap(
           {seg(K::replace, A(0, 1), A(0, 1), {kFold, kLookalike}, cost(0, 0, 0, 1)), id(A(1, 2))}),
       "replace 0-1>0-1 [fold.fullwidth,lookalike.digit] r2 | identity 1-2>1-2"},
      {"an inner deletion lands on the C point where its B point goes",
       SpanMap({id(A(0, 1)), seg(K::delete_, A(1, 2), A(1, 1), {kSpace}, cost(1, 0, 0, 0)),
                id(A(2, 3), A(1, 2))}),
       SpanMap({id(A(0, 1)), seg(K::expand, A(1, 2), A(1, 3), {kUnits}, cost(0, 0, 1, 0))}),
       "identity 0-1>0-1 | delete 1-2>1-1 [separator.whitespace] w1"
       " | expand 2-3>1-3 [hangul.unit_reading] e1"},
      {"an outer cut inside an inner change makes one group of both",
       SpanMap({seg(K::replace, A(0, 2), A(0, 2), {kFold}, cost(0, 0, 0, 2))}),
       SpanMap({seg(K::replace, A(0, 1), A(0, 1), {kLookalike}, cost(0, 0, 0, 1)), id(A(1, 2))}),
       "replace 0-2>0-2 [fold.fullwidth,lookalike.digit] r3"},
      {"an inner cut inside an outer change makes one group of both",
       SpanMap({seg(K::replace, A(0, 1), A(0, 1), {kFold}, cost(0, 0, 0, 1)), id(A(1, 2))}),
       SpanMap({seg(K::expand, A(0, 2), A(0, 3), {kUnits}, cost(0, 0, 2, 0))}),
       "expand 0-2>0-3 [fold.fullwidth,hangul.unit_reading] e2 r1"},
      {"an outer identity over several inner segments passes each through",
       SpanMap({seg(K::replace, S(0, 3, 0, 1), A(0, 1), {kFold}, cost(0, 0, 0, 1)),
                id(S(3, 5, 1, 3), A(1, 3)),
                seg(K::replace, S(5, 8, 3, 4), A(3, 4), {kFold}, cost(0, 0, 0, 1))}),
       SpanMap({id(A(0, 3)), seg(K::expand, A(3, 4), A(3, 5), {kUnits}, cost(0, 0, 1, 0))}),
       "replace 0-3/0-1>0-1 [fold.fullwidth] r1 | identity 3-5/1-3>1-3"
       " | expand 5-8/3-4>3-5 [fold.fullwidth,hangul.unit_reading] e1 r1"},
      {"identities that meet are folded into one", SpanMap({id(A(0, 4))}),
       SpanMap({id(A(0, 2)), id(A(2, 4))}), "identity 0-4>0-4"},
  };
  for (const ComposeCase& c : cases)
    if (const Result<SpanMap> r = expect_composed(c)) {
      EXPECT_TRUE(r->validate()) << c.what;
    }
}

// Runs of segments under one identity of the other side are walked apart from the general
// step, their positions read off the segments' ends: the same maps come out as from the
// general step, where a run stops at the identity's end or a change, where a map has a gap
// (a run must leave it to the general step, or fail as it does), and where characters take
// several bytes.
TEST(SpanMapCompose, RunsUnderAnIdentityComeOutAsTheGeneralStepMakesThem) {
  const std::vector<ComposeCase> cases = {
      {"an outer identity over folds, a deletion and kept text",
       SpanMap({seg(K::replace, S(0, 3, 0, 1), A(0, 1), {kFold}, cost(0, 0, 0, 1)),
                id(S(3, 5, 1, 3), A(1, 3)),
                seg(K::delete_, S(5, 6, 3, 4), A(3, 3), {kSpace}, cost(1, 0, 0, 0)),
                seg(K::replace, S(6, 9, 4, 5), A(3, 4), {kFold}, cost(0, 0, 0, 1)),
                id(S(9, 10, 5, 6), A(4, 5))}),
       SpanMap({id(A(0, 5))}),
       "replace 0-3/0-1>0-1 [fold.fullwidth] r1 | identity 3-5/1-3>1-3"
       " | delete 5-6/3-4>3-3 [separator.whitespace] w1 | replace 6-9/4-5>3-4 [fold.fullwidth] r1"
       " | identity 9-10/5-6>4-5"},
      {"an outer identity, then a change: the run stops at the identity's end",
       SpanMap({seg(K::replace, S(0, 3, 0, 1), A(0, 1), {kFold}, cost(0, 0, 0, 1)),
                id(S(3, 5, 1, 3), A(1, 3)),
                seg(K::replace, S(5, 8, 3, 4), A(3, 4), {kFold}, cost(0, 0, 0, 1)),
                id(S(8, 9, 4, 5), A(4, 5))}),
       SpanMap({id(A(0, 2)), seg(K::delete_, A(2, 3), A(2, 2), {kSpace}, cost(1, 0, 0, 0)),
                id(A(3, 5), A(2, 4))}),
       "replace 0-3/0-1>0-1 [fold.fullwidth] r1 | identity 3-4/1-2>1-2"
       " | delete 4-5/2-3>2-2 [separator.whitespace] w1 | replace 5-8/3-4>2-3 [fold.fullwidth] r1"
       " | identity 8-9/4-5>3-4"},
      {"an inner identity over separators absorbed between digits", SpanMap({id(A(0, 9))}),
       SpanMap({id(A(0, 3)), seg(K::delete_, A(3, 4), A(3, 3), {kSpace}, cost(0, 1, 0, 0)),
                id(A(4, 6), A(3, 5)), seg(K::delete_, A(6, 7), A(5, 5), {kSpace}, cost(0, 1, 0, 0)),
                id(A(7, 9), A(5, 7))}),
       "identity 0-3>0-3 | delete 3-4>3-3 [separator.whitespace] s1 | identity 4-6>3-5"
       " | delete 6-7>5-5 [separator.whitespace] s1 | identity 7-9>5-7"},
      {"an inner identity ending inside an outer change",
       SpanMap({id(A(0, 4)), seg(K::replace, S(4, 7, 4, 5), A(4, 5), {kFold}, cost(0, 0, 0, 1))}),
       SpanMap({id(A(0, 2)), seg(K::delete_, A(2, 3), A(2, 2), {kSpace}, cost(1, 0, 0, 0)),
                seg(K::replace, A(3, 5), A(2, 3), {kLookalike}, cost(0, 0, 0, 2))}),
       "identity 0-2>0-2 | delete 2-3>2-2 [separator.whitespace] w1"
       " | replace 3-7/3-5>2-3 [fold.fullwidth,lookalike.digit] r3"},
      {"an inner map with a gap under an outer identity",
       SpanMap({id(A(0, 2)), seg(K::replace, S(3, 6, 3, 4), A(2, 3), {kFold}, cost(0, 0, 0, 1)),
                id(S(6, 8, 4, 6), A(3, 5))}),
       SpanMap({id(A(0, 5))}),
       "identity 0-2>0-2 | replace 3-6/3-4>2-3 [fold.fullwidth] r1 | identity 6-8/4-6>3-5"},
      {"characters of several bytes carried through identities on both sides",
       SpanMap({id(S(0, 6, 0, 2), S(0, 6, 0, 2)),
                seg(K::replace, S(6, 9, 2, 3), S(6, 7, 2, 3), {kFold}, cost(0, 0, 0, 1)),
                id(S(9, 12, 3, 4), S(7, 10, 3, 4))}),
       SpanMap({id(S(0, 3, 0, 1), S(0, 3, 0, 1)), id(S(3, 6, 1, 2), S(3, 6, 1, 2)),
                seg(K::delete_, S(6, 7, 2, 3), S(6, 6, 2, 2), {kSpace}, cost(1, 0, 0, 0)),
                id(S(7, 10, 3, 4), S(6, 9, 2, 3))}),
       "identity 0-6/0-2>0-6/0-2 | delete 6-9/2-3>6-6/2-2 [fold.fullwidth,separator.whitespace] w1 r1"
       " | identity 9-12/3-4>6-9/2-3"},
  };
  for (const ComposeCase& c : cases) expect_composed(c);
  // An outer map with a gap under an inner identity: the run leaves it to the general step,
  // which refuses it.
  const Result<SpanMap> gap = compose_both(
      SpanMap({id(A(0, 6))}),
      SpanMap({id(A(0, 2)), seg(K::delete_, A(3, 4), A(2, 2), {kSpace}, cost(1, 0, 0, 0)),
               id(A(4, 6), A(2, 4))}));
  ASSERT_FALSE(gap);
  EXPECT_EQ(gap.error().text(),
            "span map coordinate mismatch: src byte 2 falls inside non-identity segment 1");
}

// Segments that end inside a long identity of the other map move by the identity's shift,
// read off their ends alone: the shift from changes before the identity on either side,
// characters of several bytes, changes of every kind under it, an identity that carries rules
// (it still folds into the identity before it), and the identity's last segment, which the
// general step makes.
TEST(SpanMapCompose, SegmentsInsideALongIdentityMoveByItsShift) {
  const std::vector<ComposeCase> cases = {
      {"separators absorbed under an inner identity that a fold before it shifted",
       SpanMap({seg(K::replace, S(0, 3, 0, 1), A(0, 1), {kFold}, cost(0, 0, 0, 1)),
                id(S(3, 12, 1, 10), A(1, 10))}),
       SpanMap({id(A(0, 3)), seg(K::delete_, A(3, 4), A(3, 3), {kSpace}, cost(1, 0, 0, 0)),
                id(A(4, 6), A(3, 5)), seg(K::delete_, A(6, 7), A(5, 5), {kSpace}, cost(0, 1, 0, 0)),
                seg(K::expand, A(7, 8), A(5, 7), {kUnits}, cost(0, 0, 1, 0)),
                id(A(8, 10), A(7, 9))}),
       "replace 0-3/0-1>0-1 [fold.fullwidth] r1 | identity 3-5/1-3>1-3"
       " | delete 5-6/3-4>3-3 [separator.whitespace] w1 | identity 6-8/4-6>3-5"
       " | delete 8-9/6-7>5-5 [separator.whitespace] s1 | expand 9-10/7-8>5-7 [hangul.unit_reading] e1"
       " | identity 10-12/8-10>7-9"},
      {"folds of characters of several bytes under an outer identity that a deletion shifted",
       SpanMap({id(S(0, 6, 0, 2), S(0, 6, 0, 2)),
                seg(K::replace, S(6, 9, 2, 3), S(6, 7, 2, 3), {kFold}, cost(0, 0, 0, 1)),
                id(S(9, 12, 3, 4), S(7, 10, 3, 4)),
                seg(K::replace, S(12, 15, 4, 5), S(10, 11, 4, 5), {kFold}, cost(0, 0, 0, 1)),
                id(S(15, 18, 5, 6), S(11, 14, 5, 6))}),
       SpanMap({seg(K::delete_, S(0, 3, 0, 1), S(0, 0, 0, 0), {kSpace}, cost(1, 0, 0, 0)),
                id(S(3, 14, 1, 6), S(0, 11, 0, 5))}),
       "delete 0-3/0-1>0-0 [separator.whitespace] w1 | identity 3-6/1-2>0-3/0-1"
       " | replace 6-9/2-3>3-4/1-2 [fold.fullwidth] r1 | identity 9-12/3-4>4-7/2-3"
       " | replace 12-15/4-5>7-8/3-4 [fold.fullwidth] r1 | identity 15-18/5-6>8-11/4-5"},
      {"an outer identity that carries rules, inside an inner identity", SpanMap({id(A(0, 6))}),
       SpanMap({id(A(0, 2)), seg(K::identity, A(2, 3), A(2, 3), {kLookalike}),
                seg(K::delete_, A(3, 4), A(3, 3), {kSpace}, cost(0, 1, 0, 0)),
                seg(K::replace, A(4, 5), A(3, 4), {kLookalike}, cost(0, 0, 0, 1)),
                id(A(5, 6), A(4, 5))}),
       "identity 0-3>0-3 | delete 3-4>3-3 [separator.whitespace] s1"
       " | replace 4-5>3-4 [lookalike.digit] r1 | identity 5-6>4-5"},
      {"inner changes inside an outer identity, then one that crosses its end",
       SpanMap({id(A(0, 2)), seg(K::replace, S(2, 5, 2, 3), A(2, 3), {kFold}, cost(0, 0, 0, 1)),
                seg(K::delete_, S(5, 6, 3, 4), A(3, 3), {kSpace}, cost(1, 0, 0, 0)),
                id(S(6, 7, 4, 5), A(3, 4)),
                seg(K::replace, S(7, 9, 5, 7), A(4, 6), {kFold}, cost(0, 0, 0, 2))}),
       SpanMap({id(A(0, 5)), seg(K::replace, A(5, 6), A(5, 6), {kLookalike}, cost(0, 0, 0, 1))}),
       "identity 0-2>0-2 | replace 2-5/2-3>2-3 [fold.fullwidth] r1"
       " | delete 5-6/3-4>3-3 [separator.whitespace] w1 | identity 6-7/4-5>3-4"
       " | replace 7-9/5-7>4-6 [fold.fullwidth,lookalike.digit] r3"},
      {"changes met again after others under an outer identity",
       SpanMap({id(A(0, 1)), seg(K::replace, S(1, 4, 1, 2), A(1, 2), {kFold}, cost(0, 0, 0, 1)),
                seg(K::replace, S(4, 5, 2, 3), A(2, 3), {kLookalike}, cost(0, 0, 0, 1)),
                seg(K::replace, S(5, 8, 3, 4), A(3, 4), {kFold}, cost(0, 0, 0, 1)),
                seg(K::expand, S(8, 9, 4, 5), A(4, 6), {kUnits}, cost(0, 0, 1, 0)),
                seg(K::replace, S(9, 12, 5, 6), A(6, 7), {kFold}, cost(0, 0, 0, 1)),
                id(S(12, 14, 6, 8), A(7, 9))}),
       SpanMap(
           {seg(K::delete_, A(0, 1), A(0, 0), {kSpace}, cost(1, 0, 0, 0)), id(A(1, 9), A(0, 8))}),
       "delete 0-1>0-0 [separator.whitespace] w1 | replace 1-4/1-2>0-1 [fold.fullwidth] r1"
       " | replace 4-5/2-3>1-2 [lookalike.digit] r1 | replace 5-8/3-4>2-3 [fold.fullwidth] r1"
       " | expand 8-9/4-5>3-5 [hangul.unit_reading] e1 | replace 9-12/5-6>5-6 [fold.fullwidth] r1"
       " | identity 12-14/6-8>6-8"},
      {"changes met again after others under an inner identity",
       SpanMap({seg(K::replace, S(0, 3, 0, 1), A(0, 1), {kFold}, cost(0, 0, 0, 1)),
                id(S(3, 12, 1, 10), A(1, 10))}),
       SpanMap({id(A(0, 2)), seg(K::replace, A(2, 3), A(2, 3), {kLookalike}, cost(0, 0, 0, 1)),
                seg(K::delete_, A(3, 4), A(3, 3), {kSpace}, cost(1, 0, 0, 0)),
                seg(K::replace, A(4, 5), A(3, 4), {kLookalike}, cost(0, 0, 0, 1)),
                seg(K::delete_, A(5, 6), A(4, 4), {kSpace}, cost(1, 0, 0, 0)),
                seg(K::replace, A(6, 7), A(4, 5), {kLookalike}, cost(0, 0, 0, 1)),
                id(A(7, 10), A(5, 8))}),
       "replace 0-3/0-1>0-1 [fold.fullwidth] r1 | identity 3-4/1-2>1-2"
       " | replace 4-5/2-3>2-3 [lookalike.digit] r1 | delete 5-6/3-4>3-3 [separator.whitespace] w1"
       " | replace 6-7/4-5>3-4 [lookalike.digit] r1 | delete 7-8/5-6>4-4 [separator.whitespace] w1"
       " | replace 8-9/6-7>4-5 [lookalike.digit] r1 | identity 9-12/7-10>5-8"},
  };
  for (const ComposeCase& c : cases) expect_composed(c);
}

// A thread keeps the unions of rule sets from one composition to the next: many pairs, more
// than it keeps and in both orders, composed again and again, each carry exactly the rules of
// both sides.
TEST(SpanMapCompose, UnionsKeptBetweenCompositionsAreTheUnionsOfBothSides) {
  std::vector<RuleName> names;
  for (int k = 0; k < 12; ++k) names.push_back(rule("test.union_" + std::to_string(k)));
  for (int round = 0; round < 3; ++round) {
    for (std::size_t a = 0; a < names.size(); ++a) {
      for (std::size_t b = 0; b < names.size(); b += 5) {
        const SpanMap inner({seg(K::replace, S(0, 3, 0, 1), A(0, 1), {names[a]}, cost(0, 0, 0, 1)),
                             id(S(3, 4, 1, 2), A(1, 2))});
        const SpanMap outer(
            {seg(K::replace, A(0, 1), A(0, 1), {names[b], kFold}, cost(0, 0, 0, 1)), id(A(1, 2))});
        const Result<SpanMap> r = compose_both(inner, outer);
        ASSERT_TRUE(r) << r.error().text();
        RuleList want{names[a], names[b], kFold};
        sort_unique(want);
        EXPECT_EQ(str(*r), "replace 0-3/0-1>0-1 [" + str(want) + "] r2 | identity 3-4/1-2>1-2")
            << a << " " << b;
      }
    }
  }
}

struct ErrorCase {
  SpanMap inner, outer;
  const char* message;
};

TEST(SpanMapCompose, RefusesMapsThatDoNotMeet) {
  const Span Z{};
  const std::vector<ErrorCase> cases = {
      // the inner output is longer than the outer input
      {SpanMap({id(A(0, 3))}), SpanMap({id(A(0, 2))}), "inner output (3, 3) != outer input (2, 2)"},
      // an outer insertion
      {SpanMap(), SpanMap({seg(K::replace, Z, A(0, 1))}),
       "outer segment 0 has an empty source range; insertion is not supported"},
      // the inner map has a segment left when the outer one is done
      {SpanMap({id(A(0, 1)), seg(K::replace, A(1, 2), A(0, 1))}), SpanMap({id(A(0, 1))}),
       "segment exhausted at B byte 1 (inner 1/2, outer 1/1)"},
      // growing a group runs out of inner segments
      {SpanMap({seg(K::replace, A(0, 2), A(0, 2))}),
       SpanMap({seg(K::replace, A(0, 3), A(0, 1)), seg(K::replace, A(1, 2), A(1, 2))}),
       "inner exhausted while grouping at B byte 0"},
      // growing a group runs out of outer segments
      {SpanMap({seg(K::replace, A(0, 1), A(0, 3)), seg(K::replace, A(1, 2), A(1, 2))}),
       SpanMap({seg(K::replace, A(0, 2), A(0, 1))}), "outer exhausted while grouping at B byte 0"},
      // a B point inside an outer change cannot be carried to C
      {SpanMap({id(A(0, 2))}), SpanMap({seg(K::replace, A(1, 2), A(0, 1))}),
       "src byte 0 falls inside non-identity segment 0"},
      // a B point inside an inner change cannot be carried back to A
      {SpanMap({seg(K::replace, A(0, 2), A(1, 2))}), SpanMap({id(A(0, 2))}),
       "dst byte 0 falls inside non-identity segment 0"},
  };
  for (const ErrorCase& c : cases) {
    const Result<SpanMap> r = compose_both(c.inner, c.outer);
    ASSERT_FALSE(r) << c.message;
    EXPECT_EQ(r.error().kind, Error::Kind::coordinate_mismatch);
    EXPECT_EQ(r.error().text(), std::string("span map coordinate mismatch: ") + c.message);
  }
}

// Maps of random segments, mostly nonsense: composition and projection never fault, and
// whenever both maps are valid and compose, the result is valid and joins their ends.
TEST(SpanMapCompose, SurvivesArbitraryHandMadeMaps) {
  std::mt19937 rng(7);
  auto pick = [&](int n) { return static_cast<std::uint32_t>(rng() % static_cast<unsigned>(n)); };
  auto garbage = [&] {
    std::vector<Segment> segs;
    const std::uint32_t count = pick(5);
    for (std::uint32_t k = 0; k < count; ++k)
      segs.push_back(seg(static_cast<K>(pick(4)), S(pick(7), pick(7), pick(7), pick(7)),
                         S(pick(7), pick(7), pick(7), pick(7)), {kFold}));
    return SpanMap(std::move(segs));
  };
  int valid_pairs = 0;
  for (int round = 0; round < 3000; ++round) {
    const SpanMap inner = garbage(), outer = garbage();
    const Result<SpanMap> r = compose_both(inner, outer);
    for (const Span q : {A(0, 3), A(2, 2), S(5, 1, 9, 0)}) (void)inner.to_source(q);
    if (r && inner.validate() && outer.validate()) {
      ++valid_pairs;
      EXPECT_TRUE(r->validate()) << str(inner) << " then " << str(outer);
      EXPECT_EQ(r->src_end(), inner.src_end());
      EXPECT_EQ(r->dst_end(), outer.dst_end());
    }
  }
  EXPECT_GT(valid_pairs, 0);
}

// Long maps, whose passed segments a walk that takes them gives back page by page: the result
// is the one the copying walk gives, and the taken maps are left empty.
TEST(SpanMapCompose, TakingLongMapsGivesTheSameMapAndEmptiesThem) {
  constexpr int kRepeats = 200000;  // several MB of segments on each side
  SpanMapBuilder letters, spaces;   // "1 O " -> "1 0 " -> "10"
  for (int k = 0; k < kRepeats; ++k) {
    letters.keep("1 ");
    letters.replace("O", "0", kLookalike);
    letters.keep(" ");
    spaces.keep("1");
    spaces.absorb(" ", kSpace, AbsorbClass::whitespace);
    spaces.keep("0");
    spaces.absorb(" ", kSpace, AbsorbClass::whitespace);
  }
  SpanMap inner = letters.finish().map, outer = spaces.finish().map;
  // Builders grow large maps a block at a time, giving back the old buffer as they copy it.
  ASSERT_EQ(inner.len(), 2u * kRepeats + 1);  // the spaces around each letter kept as one
  ASSERT_EQ(outer.len(), 4u * kRepeats);
  for (std::uint32_t k = 0; k < kRepeats; ++k) {
    const std::uint32_t at = 4 * k, out = 2 * k;
    ASSERT_EQ(inner[2 * k + 1], seg(K::replace, A(at + 2, at + 3), A(at + 2, at + 3), {kLookalike},
                                    cost(0, 0, 0, 1)));
    ASSERT_EQ(outer[4 * k + 3],
              seg(K::delete_, A(at + 3, at + 4), A(out + 2, out + 2), {kSpace}, cost(1, 0, 0, 0)));
  }
  EXPECT_TRUE(inner.validate() && outer.validate());
  const Result<SpanMap> copied = SpanMap::compose(inner, outer);
  ASSERT_TRUE(copied);
  Result<SpanMap> taken = SpanMap::compose(std::move(inner), std::move(outer));
  ASSERT_TRUE(taken);
  EXPECT_TRUE(*copied == *taken);
  EXPECT_EQ(taken->len(), 4u * kRepeats);
  EXPECT_EQ(str((*taken)[4 * kRepeats - 2]),
            "replace " + str(A(4 * kRepeats - 2, 4 * kRepeats - 1)) + ">" +
                str(A(2 * kRepeats - 1, 2 * kRepeats)) + " [lookalike.digit] r1");
  EXPECT_EQ(inner.len(), 0u);
  EXPECT_EQ(outer.len(), 0u);
}

}  // namespace
}  // namespace norvane
