// Span maps: what the builder records, what validate() refuses, and where to_source() lands.
#include <gtest/gtest.h>

#include <algorithm>
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
const RuleName kHyphen = "separator.hyphen";
const RuleName kUnits = "hangul.unit_reading";

// "ab１２ - 3일억z" normalized to "ab123100000000z": two folded digits, three absorbed
// separators, a kept digit, a numeral expanded from two syllables to nine digits.
SpanMapBuilder::Output sample() {
  SpanMapBuilder b;
  b.keep("ab");
  b.replace("１", "1", kFold);
  b.replace("２", "2", kFold);
  b.absorb(" ", kSpace, AbsorbClass::whitespace);
  b.absorb("-", kHyphen, AbsorbClass::separator);
  b.absorb(" ", kSpace, AbsorbClass::whitespace);
  b.keep("3");
  b.numeral("일억", "100000000", kUnits);
  b.keep("z");
  return b.finish();
}

TEST(SpanMapBuilder, RecordsEachOperationAsOneSegment) {
  const auto out = sample();
  EXPECT_EQ(out.text, "ab123100000000z");
  EXPECT_EQ(str(out.map),
            "identity 0-2>0-2"
            " | replace 2-5/2-3>2-3 [fold.fullwidth] r1"
            " | replace 5-8/3-4>3-4 [fold.fullwidth] r1"
            " | delete 8-9/4-5>4-4 [separator.whitespace] w1"
            " | delete 9-10/5-6>4-4 [separator.hyphen] s1"
            " | delete 10-11/6-7>4-4 [separator.whitespace] w1"
            " | identity 11-12/7-8>4-5"
            " | expand 12-18/8-10>5-14 [hangul.unit_reading] e2"
            " | identity 18-19/10-11>14-15");
  EXPECT_TRUE(out.map.validate());
  EXPECT_EQ(out.map.src_end(), (Position{19, 11}));
  EXPECT_EQ(out.map.dst_end(), (Position{15, 15}));
  EXPECT_FALSE(out.map.is_identity());
}

TEST(SpanMapBuilder, CountsTheBytesTakenInAndWritten) {
  SpanMapBuilder b;
  b.keep("ab");
  b.replace("１", "1", kFold);
  b.absorb("-", kHyphen, AbsorbClass::separator);
  b.numeral("", "9", kUnits);    // an empty source does nothing
  EXPECT_EQ(b.src_bytes(), 6u);  // 2 + 3 + 1
  EXPECT_EQ(b.dst_bytes(), 3u);  // 2 + 1
}

TEST(BuilderIfChanged, MadeOnlyWhenAskedAndBuildsAsAPlainBuilder) {
  BuilderIfChanged none;  // never made: nothing to destroy
  EXPECT_FALSE(none);

  auto build = [](SpanMapBuilder& b) {
    b.keep("ab");
    b.replace("１", "1", kFold);
    b.absorb("-", kHyphen, AbsorbClass::separator);
    b.keep("z");
    return b.finish();
  };
  SpanMapBuilder plain(64);
  const auto expected = build(plain);
  BuilderIfChanged lazy;
  lazy.emplace(64);
  ASSERT_TRUE(lazy);
  lazy.emplace(64);  // made again: the first one is destroyed
  lazy->keep("ab");
  lazy->replace("１", "1", kFold);
  lazy->absorb("-", kHyphen, AbsorbClass::separator);
  lazy->keep("z");
  const auto out = lazy->finish();
  EXPECT_EQ(out.text, expected.text);
  EXPECT_EQ(str(out.map), str(expected.map));
  // A builder left holding output is destroyed with its slot (AddressSanitizer's leak check).
  BuilderIfChanged unfinished;
  unfinished.emplace(1 << 16).keep(std::string(1 << 16, 'x'));
}

TEST(SpanMapBuilder, MergesKeptTextAndIgnoresEmptyOperations) {
  SpanMapBuilder b;
  b.keep("가");
  b.keep("");
  b.replace("", "x", kFold);
  b.absorb("", kSpace, AbsorbClass::whitespace);
  b.numeral("", "1", kUnits);
  b.keep("나다");
  const auto out = b.finish();
  EXPECT_EQ(out.text, "가나다");
  EXPECT_EQ(str(out.map), "identity 0-9/0-3>0-9/0-3");
  EXPECT_TRUE(out.map.is_identity());
  EXPECT_EQ(out.map, SpanMap::identity("가나다"));
  // finish() leaves the builder empty: it starts again from offset zero.
  b.keep("z");
  EXPECT_EQ(str(b.finish().map), "identity 0-1>0-1");
}

TEST(SpanMapBuilder, KindFollowsTheShapeOfEachSide) {
  SpanMapBuilder b;
  b.replace("ab", "x", kFold);                             // fewer characters: replace
  b.numeral("십", "10", kUnits);                           // more characters: expand
  b.numeral("일이", "12", kUnits);                         // as many characters: replace
  b.absorb("\t", rule("test.other"), AbsorbClass::other);  // no cost of either class
  EXPECT_EQ(str(b.finish().map),
            "replace 0-2>0-1 [fold.fullwidth] r2"
            " | expand 2-5/2-3>1-3 [hangul.unit_reading] e1"
            " | replace 5-11/3-5>3-5 [hangul.unit_reading] e2"
            " | delete 11-12/5-6>5-5 [test.other]");
}

// Changes that write one byte take a shorter way than those that write several or none: the
// positions of every kind agree with the text written.
TEST(SpanMapBuilder, ChangesWritingOneByteOrMoreCountWhatTheyWrite) {
  SpanMapBuilder b;
  b.replace("１", "1", kFold);       // three bytes to one
  b.replace("ｅ", "é", kFold);       // three bytes to two, one character
  b.replace("a", "가", kFold);       // one byte to three, one character
  b.replace("ab", "", kFold);        // to nothing
  b.numeral("일", "1", kUnits);      // a syllable to a digit
  b.numeral("십", "10", kUnits, 4);  // the cost given, not counted
  b.keep("z");
  const auto out = b.finish();
  EXPECT_EQ(out.text, "1é가110z");
  EXPECT_EQ(str(out.map),
            "replace 0-3/0-1>0-1 [fold.fullwidth] r1"
            " | replace 3-6/1-2>1-3/1-2 [fold.fullwidth] r1"
            " | replace 6-7/2-3>3-6/2-3 [fold.fullwidth] r1"
            " | delete 7-9/3-5>6-6/3-3 [fold.fullwidth] r2"
            " | replace 9-12/5-6>6-7/3-4 [hangul.unit_reading] e1"
            " | expand 12-15/6-7>7-9/4-6 [hangul.unit_reading] e4"
            " | identity 15-16/7-8>9-10/6-7");
  EXPECT_TRUE(out.map.validate());
  EXPECT_EQ(out.map.dst_end(), (Position{10, 7}));
}

// Absorbs of several rules, classes and lengths, more kinds of them than the builder recalls,
// and kept text between: the map is the one written segment by segment, and each change has
// the number its first appearance gives it. A builder used again after finish() numbers its
// changes afresh: a change recalled from the map before would name another one here.
TEST(SpanMapBuilder, AbsorbedSeparatorsGetTheChangesOfTheirRuleClassAndLength) {
  const RuleName kComma = "separator.comma", kDot = "separator.dot";
  struct Absorb {
    std::string_view text;
    RuleName rule;
    AbsorbClass cls;
  };
  const Absorb kinds[] = {
      {" ", kSpace, AbsorbClass::whitespace},  {"-", kHyphen, AbsorbClass::separator},
      {"  ", kSpace, AbsorbClass::whitespace}, {",", kComma, AbsorbClass::separator},
      {"·", kDot, AbsorbClass::separator},  // two bytes, one character
      {".", kDot, AbsorbClass::separator},     {"-", kHyphen, AbsorbClass::other},
      {" ", kHyphen, AbsorbClass::whitespace}};
  auto build = [&](SpanMapBuilder& b, const std::vector<std::size_t>& order,
                   std::vector<Segment>& want) {
    std::uint32_t sb = 0, sc = 0, db = 0, dc = 0;
    for (std::size_t k : order) {
      b.keep("7");
      want.push_back(id(S(sb, sb + 1, sc, sc + 1), S(db, db + 1, dc, dc + 1)));
      ++sb, ++sc, ++db, ++dc;
      const Absorb& a = kinds[k];
      b.absorb(a.text, a.rule, a.cls);
      const auto chars = static_cast<std::uint16_t>(a.text == "·" ? 1 : a.text.size());
      const NormalizationCost c = a.cls == AbsorbClass::whitespace  ? cost(chars, 0, 0, 0)
                                  : a.cls == AbsorbClass::separator ? cost(0, chars, 0, 0)
                                                                    : cost(0, 0, 0, 0);
      const auto bytes = static_cast<std::uint32_t>(a.text.size());
      want.push_back(
          seg(K::delete_, S(sb, sb + bytes, sc, sc + chars), S(db, db, dc, dc), {a.rule}, c));
      sb += bytes, sc += chars;
    }
    b.keep("7");
    want.push_back(id(S(sb, sb + 1, sc, sc + 1), S(db, db + 1, dc, dc + 1)));
  };
  auto check = [&](const std::vector<std::size_t>& order, SpanMapBuilder& b) {
    std::vector<Segment> want;
    build(b, order, want);
    const SpanMap got = b.finish().map, expected(want);
    EXPECT_EQ(str(got), str(expected));
    ASSERT_EQ(got.len(), expected.len());
    for (std::size_t i = 0; i < got.len(); ++i)
      EXPECT_EQ(got.end_of(i).change, expected.end_of(i).change) << "segment " << i;
  };
  std::vector<std::size_t> order;
  for (std::size_t round = 0; round < 3; ++round)
    for (std::size_t k = 0; k < std::size(kinds); ++k) order.push_back((k * 5 + round) % 8);
  for (std::size_t k = 0; k < 40; ++k) order.push_back(k % 3 == 2 ? 3 : k % 2);
  SpanMapBuilder b;
  check(order, b);
  std::reverse(order.begin(), order.end());
  check(order, b);  // the same builder: its second map numbers the changes in its own order
}

// replace_char() writes what replace() writes, change numbers included, whatever the order of
// its rules and the other operations between (a change it recalls is the map's own, and a
// builder used again numbers its changes afresh).
TEST(SpanMapBuilder, ReplaceCharWritesWhatReplaceWrites) {
  const RuleName kSpaceFold = "fold.space", kDashFold = "fold.dash";
  struct Step {
    std::string_view src;
    char ascii;
    RuleName rule;
  };
  const Step steps[] = {{"１", '1', kFold},       {"２", '2', kFold},      {"\u00a0", ' ', kSpaceFold},
                        {"－", '-', kFold},       {"\u2013", '-', kDashFold}, {"\u3000", ' ', kSpaceFold},
                        {"\u00ad", '-', kDashFold}, {"Ａ", 'A', kFold}};
  auto build = [&](SpanMapBuilder& b, bool by_char, std::size_t round) {
    for (std::size_t k = 0; k < 24; ++k) {
      const Step& step = steps[(k * (round + 3)) % std::size(steps)];
      if (k % 5 == 2) b.keep("가");
      if (k % 7 == 3) b.absorb(" ", kSpace, AbsorbClass::whitespace);
      if (by_char) b.replace_char(step.src, step.ascii, step.rule);
      else b.replace(step.src, std::string_view(&step.ascii, 1), step.rule);
    }
    b.keep("z");
    return b.finish();
  };
  SpanMapBuilder by_char, by_replace;
  for (std::size_t round = 0; round < 3; ++round) {
    const auto got = build(by_char, true, round), want = build(by_replace, false, round);
    EXPECT_EQ(got.text, want.text);
    EXPECT_EQ(str(got.map), str(want.map));
    ASSERT_EQ(got.map.len(), want.map.len());
    for (std::size_t i = 0; i < got.map.len(); ++i)
      EXPECT_EQ(got.map.end_of(i).change, want.map.end_of(i).change) << round << " " << i;
    EXPECT_TRUE(got.map.validate());
  }
}

// A ring keeps the last four entries written, finds the first that matches, forgets the
// oldest as a fifth comes, and after clear() (a builder's finished map) finds none of them;
// a copy holds the same entries and moves on by itself.
TEST(RecentRing, KeepsTheLastEntriesWrittenAndForgetsThemWhenCleared) {
  RecentRing<int, 4> ring;
  auto held = [](const RecentRing<int, 4>& r) {
    std::vector<int> found;
    for (int v = 0; v < 10; ++v)
      if (const int* at = r.find([&](int x) { return x == v; })) found.push_back(*at);
    return found;
  };
  EXPECT_EQ(held(ring), std::vector<int>{});
  for (int v : {1, 2, 3}) ring.push(v);
  EXPECT_EQ(held(ring), (std::vector<int>{1, 2, 3}));
  for (int v : {4, 5, 6}) ring.push(v);
  EXPECT_EQ(held(ring), (std::vector<int>{3, 4, 5, 6}));
  RecentRing<int, 4> copy = ring;
  copy.push(7);
  EXPECT_EQ(held(copy), (std::vector<int>{4, 5, 6, 7}));
  EXPECT_EQ(held(ring), (std::vector<int>{3, 4, 5, 6}));
  ring.clear();
  EXPECT_EQ(held(ring), std::vector<int>{});
  ring.push(9);
  EXPECT_EQ(held(ring), std::vector<int>{9});
  EXPECT_EQ(*ring.find([](int) { return true; }), 9);
}

// A large map grows to the size its segments so far project for the rest of the source: at an
// even density it never doubles past the source's bytes. Densities that change on the way
// (dense then sparse, sparse then dense, dense at the very end) make the same map and text as
// a builder told nothing.
TEST(SpanMapBuilder, LargeMapsGrowToTheirProjectedSizeAndHoldTheSameSegments) {
  auto write = [](SpanMapBuilder& b, std::size_t dense_from, std::size_t dense_to,
                  std::size_t bytes) {
    std::size_t at = 0;
    while (at < bytes) {
      if (at >= dense_from && at < dense_to) {
        b.keep("1");
        b.absorb("-", kHyphen, AbsorbClass::separator);
        at += 2;
      } else {
        b.keep("가나다라마바사아자차카타파하 ");  // 43 bytes kept whole
        at += 43;
      }
    }
  };
  const std::size_t bytes = 200'000;
  struct Case {
    std::size_t dense_from, dense_to;
  } cases[] = {{0, bytes}, {0, bytes / 10}, {bytes / 2, bytes}, {bytes - 4'000, bytes}};
  for (const Case& c : cases) {
    kept::drop_all();  // a larger buffer kept from before would be taken as it is
    SpanMapBuilder told(bytes + 64), plain;
    write(told, c.dense_from, c.dense_to, bytes);
    write(plain, c.dense_from, c.dense_to, bytes);
    SpanMapBuilder::Output a = told.finish(), z = plain.finish();
    EXPECT_EQ(a.text, z.text);
    EXPECT_TRUE(a.map == z.map) << c.dense_from << '-' << c.dense_to;
    EXPECT_TRUE(a.map.validate());
    // Never more room than a segment per byte of the source the builder was told of.
    EXPECT_LE(a.map.stored_bounds().capacity(), bytes + 64 + 1);
  }
  kept::drop_all();
  SpanMapBuilder even(bytes);
  write(even, 0, bytes, bytes);
  SpanMap map = even.finish().map;
  EXPECT_EQ(map.len(), bytes);
  EXPECT_LT(map.stored_bounds().capacity(), bytes + bytes / 8);  // doubling would give 262 144
}

TEST(SpanMap, IdentityOfATextAndOfNothing) {
  EXPECT_EQ(str(SpanMap::identity("a가\xF0\x9F\x98\x80")), "identity 0-8/0-3>0-8/0-3");
  EXPECT_TRUE(SpanMap::identity("").empty());
  EXPECT_EQ(SpanMap::identity(""), SpanMap());
  EXPECT_EQ(SpanMap().src_end(), (Position{0, 0}));
}

TEST(SpanMap, BecomesTheIdentityWhateverItHeld) {
  // A map with changes, a loose map (starts kept apart), an identity and an empty map.
  std::vector<SpanMap> maps = {sample().map,
                               SpanMap({Segment{{}, {0, 1, 0, 1}, {0, 1, 0, 1}, {}, K::identity},
                                        Segment{{}, {2, 3, 2, 3}, {1, 2, 1, 2}, {}, K::identity}}),
                               SpanMap::identity("abc"), SpanMap()};
  for (SpanMap& m : maps) {
    m.become_identity(8, 3);
    EXPECT_EQ(str(m), "identity 0-8/0-3>0-8/0-3");
    EXPECT_EQ(m.change_count(), 0u);
    EXPECT_TRUE(m.validate());
    EXPECT_EQ(m, SpanMap::identity("a가\xF0\x9F\x98\x80"));
    m.become_identity(0, 0);
    EXPECT_TRUE(m.empty());
    EXPECT_EQ(m, SpanMap());
  }
}

// --- validate() -------------------------------------------------------------------------

struct InvalidCase {
  std::vector<Segment> segments;
  const char* message;
};

TEST(SpanMapValidate, NamesTheFirstBrokenSegment) {
  const Span Z{};
  const std::vector<InvalidCase> cases = {
      // source gap after the first segment
      {{id(A(0, 1)), id(A(2, 3))},
       "1: src not contiguous: expected byte 1 char 1, found byte 2 char 2"},
      // bytes contiguous, characters not
      {{id(A(0, 1)), id(S(1, 2, 2, 3), A(1, 2))},
       "1: src not contiguous: expected byte 1 char 1, found byte 1 char 2"},
      // output does not start at zero
      {{id(A(0, 1), A(1, 2))},
       "0: dst not contiguous: expected byte 0 char 0, found byte 1 char 1"},
      // a replacement from nothing
      {{seg(K::replace, Z, A(0, 1))}, "0: replace segment must have both sides"},
      // a replacement by nothing
      {{seg(K::replace, A(0, 1), Z)}, "0: replace segment must have both sides"},
      // a deletion that writes something
      {{seg(K::delete_, A(0, 1), A(0, 1))},
       "0: delete segment must consume src and produce nothing"},
      // an expansion that does not grow in characters (it grows in bytes only)
      {{seg(K::expand, S(0, 3, 0, 1), A(0, 1))}, "0: expand segment must grow in chars"},
      // an identity of two lengths
      {{id(A(0, 2), A(0, 1))}, "0: identity segment has unequal lengths"},
      // an identity with a rule
      {{seg(K::identity, A(0, 1), A(0, 1), {rule("r")})},
       "0: identity segment carries rules or cost"},
      // an identity with a cost
      {{seg(K::identity, A(0, 1), A(0, 1), {}, cost(0, 0, 0, 1))},
       "0: identity segment carries rules or cost"},
      // an insertion
      {{id(Z)}, "0: segment has an empty source range; insertion is not supported"},
      // bytes run backwards
      {{id(A(0, 1)), id(A(1, 0))}, "1: reversed byte range"},
      // characters run backwards
      {{seg(K::replace, A(0, 1), S(0, 2, 0, 1)), seg(K::replace, S(1, 2, 1, 0), S(2, 3, 1, 2))},
       "1: reversed char range"},
  };
  for (const InvalidCase& c : cases) {
    const SpanMap map(c.segments);
    const Result<void> r = map.validate();
    ASSERT_FALSE(r) << c.message;
    EXPECT_EQ(r.error().kind, Error::Kind::invariant_violation);
    EXPECT_EQ(r.error().text(), std::string("span map invariant violated at segment ") + c.message);
  }
}

TEST(SpanMapValidate, AcceptsHandMadeMapsOfEveryKind) {
  const SpanMap map({id(A(0, 1)), seg(K::delete_, A(1, 2), A(1, 1), {rule("r")}, cost(0, 1, 0, 0)),
                     seg(K::expand, S(2, 5, 2, 3), A(1, 3), {rule("n")}, cost(0, 0, 1, 0))});
  EXPECT_TRUE(map.validate());
  EXPECT_TRUE(SpanMap().validate());
}

// --- to_source() ------------------------------------------------------------------------

struct ProjectionCase {
  Span query;  // in the normalized text (ASCII here)
  Span source;
  bool snapped;
  const char* rules;
  NormalizationCost cost;
};

TEST(SpanMapToSource, ProjectsSpansOfTheSampleMap) {
  const SpanMap map = sample().map;
  // clang-format off
  const std::vector<ProjectionCase> cases = {
      {A(0, 2),   S(0, 2, 0, 2),   false, "", {}},                              // "ab": kept text
      {A(1, 2),   S(1, 2, 1, 2),   false, "", {}},                              // "b": inside kept text
      {A(3, 4),   S(5, 8, 3, 4),   false, "fold.fullwidth", cost(0, 0, 0, 1)},  // "2": one folded digit
      {A(2, 4),   S(2, 8, 2, 4),   false, "fold.fullwidth", cost(0, 0, 0, 2)},  // "12": separators after it stay out
      {A(2, 5),   S(2, 12, 2, 8),  false, "fold.fullwidth,separator.hyphen,separator.whitespace",
                                           cost(2, 1, 0, 2)},                   // "123": absorbed separators inside
      {A(3, 5),   S(5, 12, 3, 8),  false, "fold.fullwidth,separator.hyphen,separator.whitespace",
                                           cost(2, 1, 0, 1)},                   // "23"
      {A(4, 5),   S(11, 12, 7, 8), false, "", {}},                              // "3": separators before it stay out
      {A(4, 14),  S(11, 18, 7, 10), false, "hangul.unit_reading", cost(0, 0, 2, 0)},  // "3100000000"
      {A(5, 14),  S(12, 18, 8, 10), false, "hangul.unit_reading", cost(0, 0, 2, 0)},  // the whole numeral
      {A(6, 9),   S(12, 18, 8, 10), true,  "hangul.unit_reading", cost(0, 0, 2, 0)},  // part of it: snapped out
      {A(5, 6),   S(12, 18, 8, 10), true,  "hangul.unit_reading", cost(0, 0, 2, 0)},  // its first digit
      {A(14, 15), S(18, 19, 10, 11), false, "", {}},                            // "z"
      {A(0, 15),  S(0, 19, 0, 11), false,
       "fold.fullwidth,hangul.unit_reading,separator.hyphen,separator.whitespace",
       cost(2, 1, 2, 2)},                                                       // everything
      {A(0, 0),   S(0, 0, 0, 0),   false, "", {}},                              // empty at the start
      {A(1, 1),   S(1, 1, 1, 1),   false, "", {}},                              // empty inside kept text
      {A(4, 4),   S(11, 11, 7, 7), false, "", {}},                              // empty where separators were absorbed: after them
      {A(15, 15), S(19, 19, 11, 11), false, "", {}},                            // empty at the end
      {A(20, 22), S(19, 19, 11, 11), false, "", {}},                            // past the end: the source's end
  };
  // clang-format on
  for (const ProjectionCase& c : cases) {
    const SourceSpan got = map.to_source(c.query);
    EXPECT_EQ(got.span, c.source) << "query " << c.query;
    EXPECT_EQ(got.snapped, c.snapped) << "query " << c.query;
    EXPECT_EQ(str(got.rules.names()), c.rules) << "query " << c.query;
    EXPECT_EQ(got.cost, c.cost) << "query " << c.query;
  }
}

TEST(SpanMapCopies, OnlySpansInsideOneKeptStretch) {
  const SpanMap map = sample().map;
  EXPECT_TRUE(map.copies(A(0, 2)));     // "ab"
  EXPECT_TRUE(map.copies(A(1, 2)));     // "b"
  EXPECT_TRUE(map.copies(A(4, 5)));     // "3", after the absorbed separators
  EXPECT_TRUE(map.copies(A(14, 15)));   // "z"
  EXPECT_FALSE(map.copies(A(1, 3)));    // reaches a folded digit
  EXPECT_FALSE(map.copies(A(3, 5)));    // across absorbed separators
  EXPECT_FALSE(map.copies(A(5, 14)));   // the numeral
  EXPECT_FALSE(map.copies(A(4, 6)));    // "3" and the numeral's first digit
  EXPECT_FALSE(map.copies(A(20, 22)));  // past the end
  EXPECT_FALSE(SpanMap().copies(A(0, 0)));
}

TEST(SpanMapToSource, CharacterOffsetsInsideKeptKoreanText) {
  // "가나다" kept, then "１" folded: a query inside the kept text keeps its own characters.
  SpanMapBuilder b;
  b.keep("가나다");
  b.replace("１", "1", kFold);
  const SpanMap map = b.finish().map;
  EXPECT_EQ(map.to_source(S(3, 6, 1, 2)).span, S(3, 6, 1, 2));    // "나"
  EXPECT_EQ(map.to_source(S(6, 10, 2, 4)).span, S(6, 12, 2, 4));  // "다1": the folded digit whole
  EXPECT_EQ(map.to_source(S(3, 3, 1, 1)).span, S(3, 3, 1, 1));    // empty, inside
}

TEST(SpanMapToSource, EmptyMapGivesEmptySpanAtZero) {
  const SourceSpan got = SpanMap().to_source(A(0, 3));
  EXPECT_EQ(got.span, Span{});
  EXPECT_FALSE(got.snapped);
  EXPECT_TRUE(got.rules.empty());
}

// The rules and cost of a projection read the plain way: every segment whose output overlaps
// the query, less separators absorbed right at one of its ends, names sorted once at the end.
SourceSpan plain_rules_and_cost(const SpanMap& map, Span q) {
  SourceSpan out;
  RuleList rules;
  for (const Segment& s : map.segments()) {
    if (!(s.dst.byte_end > q.byte_start && s.dst.byte_start < q.byte_end)) continue;
    if (s.dst.is_empty() && (s.dst.byte_start == q.byte_start || s.dst.byte_start == q.byte_end))
      continue;
    rules.insert(rules.end(), s.rules.begin(), s.rules.end());
    out.cost += s.cost;
  }
  out.rules = RuleSet::of(rules);
  return out;
}

// Maps whose spans meet no set, one set over and over, two sets, sets that share names, and a
// set met again after another: to_source takes the one set of a span as it is and merges from
// a second on, and both ways must give the plain reading's names and cost for every query.
TEST(SpanMapToSource, RulesAndCostOfEveryQueryMatchThePlainReading) {
  const RuleName kDash = "fold.dash", kLookalike = "lookalike.digit";
  std::vector<SpanMap> maps;
  maps.push_back(SpanMap::identity("0123456789"));
  maps.push_back(sample().map);
  {
    SpanMapBuilder b;  // "010-1234-5678" with both hyphens absorbed
    b.keep("010");
    b.absorb("-", kHyphen, AbsorbClass::separator);
    b.keep("1234");
    b.absorb("-", kHyphen, AbsorbClass::separator);
    b.keep("5678");
    maps.push_back(b.finish().map);
  }
  {
    SpanMapBuilder b;  // separators of two rules, a folded digit, a lookalike, a rule again
    b.keep("x1");
    b.absorb(" ", kSpace, AbsorbClass::whitespace);
    b.absorb("-", kHyphen, AbsorbClass::separator);
    b.replace("２", "2", kFold);
    b.keep("3");
    b.replace("O", "0", kLookalike);
    b.absorb(" ", kSpace, AbsorbClass::whitespace);
    b.replace("‐", "-", kDash);
    b.keep("4");
    b.absorb(" ", kSpace, AbsorbClass::whitespace);
    b.keep("5y");
    maps.push_back(b.finish().map);
  }
  {
    // Segments holding sets of two names, overlapping the single ones.
    SpanMap m({seg(K::replace, A(0, 2), A(0, 2), {kFold, kSpace}, cost(0, 0, 0, 2)),
               seg(K::replace, A(2, 3), A(2, 3), {kSpace}, cost(0, 0, 0, 1)), id(A(3, 5)),
               seg(K::delete_, A(5, 6), A(5, 5), {kHyphen}, cost(0, 1, 0, 0)),
               seg(K::replace, A(6, 8), A(5, 7), {kSpace, kFold}, cost(0, 0, 0, 2)),
               seg(K::replace, A(8, 9), A(7, 8), {kHyphen, kDash}, cost(0, 0, 0, 1))});
    maps.push_back(std::move(m));
  }
  {
    // Costs whose sums pass what a count holds: they stop at 65535.
    SpanMap m({seg(K::replace, A(0, 1), A(0, 1), {kFold}, cost(40000, 1, 65535, 30000)),
               seg(K::replace, A(1, 2), A(1, 2), {kFold}, cost(40000, 2, 1, 30000)),
               seg(K::replace, A(2, 3), A(2, 3), {kDash}, cost(1, 3, 0, 30000))});
    maps.push_back(std::move(m));
  }
  for (std::size_t m = 0; m < maps.size(); ++m) {
    const SpanMap& map = maps[m];
    ASSERT_TRUE(map.validate()) << "map " << m;
    const std::uint32_t end = map.dst_end().first;
    for (std::uint32_t a = 0; a <= end; ++a) {
      for (std::uint32_t z = a + 1; z <= end; ++z) {
        // Character offsets do not take part in which segments a query meets.
        const Span q = S(a, z, a, z);
        const SourceSpan got = map.to_source(q), want = plain_rules_and_cost(map, q);
        EXPECT_EQ(got.rules, want.rules) << "map " << m << " query " << a << '-' << z;
        EXPECT_EQ(got.cost, want.cost) << "map " << m << " query " << a << '-' << z;
        // Without its rules, the same projection and cost.
        std::size_t cursor = 0;
        const SourceSpan bare = map.to_source(q, cursor, false);
        EXPECT_TRUE(bare.rules.empty() && bare.span == got.span && bare.snapped == got.snapped &&
                    bare.cost == got.cost)
            << "map " << m << " query " << a << '-' << z;
      }
    }
  }
}

// The search from a cursor lands where the plain search does, whatever the cursor (before, at,
// past the answer, past the end), for every query, empty ones included, and for queries in and
// out of order carrying the cursor along.
TEST(SpanMapToSource, FromAnyCursorAsFromNone) {
  std::vector<SpanMap> maps;
  maps.push_back(sample().map);
  maps.push_back(SpanMap::identity("0123456789"));
  {
    // Many segments, so that the search steps out far both ways: digits with separators
    // absorbed between them, folded digits and a kept word now and then.
    SpanMapBuilder b;
    for (int k = 0; k < 60; ++k) {
      b.keep(std::string(1 + k % 3, static_cast<char>('0' + k % 10)));
      if (k % 4 == 0) b.absorb(" ", kSpace, AbsorbClass::whitespace);
      if (k % 5 == 0) b.absorb("-", kHyphen, AbsorbClass::separator);
      if (k % 7 == 0) b.replace("\xEF\xBC\x92", "2", kFold);
      if (k % 11 == 0) b.keep("\xEA\xB0\x80");
    }
    maps.push_back(b.finish().map);
  }
  auto same = [](const SourceSpan& a, const SourceSpan& b) {
    return a.span == b.span && a.snapped == b.snapped && a.rules == b.rules && a.cost == b.cost;
  };
  for (std::size_t m = 0; m < maps.size(); ++m) {
    const SpanMap& map = maps[m];
    ASSERT_TRUE(map.validate()) << "map " << m;
    const std::uint32_t end = map.dst_end().first;
    std::vector<Span> queries;
    for (std::uint32_t a = 0; a <= end + 1; ++a)
      for (std::uint32_t z = a; z <= end + 1; ++z) queries.push_back(S(a, z, a, z));
    for (const Span& q : queries) {
      const SourceSpan want = map.to_source(q);
      for (std::size_t c = 0; c <= map.len() + 2; ++c) {
        std::size_t cursor = c;
        EXPECT_TRUE(same(map.to_source(q, cursor), want))
            << "map " << m << " query " << q.byte_start << ".." << q.byte_end << " cursor " << c;
        EXPECT_LE(cursor, map.len());
      }
    }
    std::size_t cursor = 0;
    for (const Span& q : queries)  // in order
      EXPECT_TRUE(same(map.to_source(q, cursor), map.to_source(q)))
          << "map " << m << " query " << q.byte_start << ".." << q.byte_end;
    std::mt19937 rng(7);
    std::shuffle(queries.begin(), queries.end(), rng);
    for (const Span& q : queries)  // in no order
      EXPECT_TRUE(same(map.to_source(q, cursor), map.to_source(q)))
          << "map " << m << " query " << q.byte_start << ".." << q.byte_end;
  }
}

// The outward search finds the plain search's answer for every list length, answer and start,
// and an answer a few items after the start with no more probes than stepping to it.
TEST(FirstIndexNear, AgreesWithThePlainSearch) {
  for (std::size_t n = 0; n <= 40; ++n)
    for (std::size_t answer = 0; answer <= n; ++answer)
      for (std::size_t near = 0; near <= n + 3; ++near) {
        std::size_t probes = 0;
        const std::size_t got = first_index_near(n, near, [&](std::size_t i) {
          EXPECT_LT(i, n);
          ++probes;
          return i < answer;
        });
        EXPECT_EQ(got, answer) << "n " << n << " near " << near;
        if (near == answer) {
          EXPECT_LE(probes, 2u) << "n " << n << " near " << near;
        }
        // An answer a few items on is stepped to: a probe for each item up to it.
        if (near <= answer && answer - near < kNearSteps) {
          EXPECT_LE(probes, answer - near + 2) << "n " << n << " near " << near;
        }
      }
}

}  // namespace
}  // namespace norvane
