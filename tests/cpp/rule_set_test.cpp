// Interned rule sets: equal contents give the same value from any thread, in sorted order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "span/rule_set.hpp"
#include "test_support.hpp"

namespace norvane {
namespace {

std::vector<std::string> texts(RuleSet s) { return {s.begin(), s.end()}; }
std::vector<std::string> texts(RuleSequence s) { return {s.begin(), s.end()}; }

TEST(RuleSet, EqualContentsAreOneSetSortedWithoutDuplicates) {
  const RuleSet a = RuleSet::of({"separator.whitespace", "fold.dash", "fold.dash"});
  // The same names from other storage, in another order.
  const RuleSet b =
      RuleSet::of({testing::rule("fold.dash"), testing::rule("separator.whitespace")});
  EXPECT_EQ(a, b);
  EXPECT_EQ(texts(a), (std::vector<std::string>{"fold.dash", "separator.whitespace"}));
  EXPECT_NE(a, RuleSet::of("fold.dash"));
  EXPECT_TRUE(RuleSet::of(std::span<const RuleName>{}).empty());
  EXPECT_EQ(RuleSet::of(std::span<const RuleName>{}), RuleSet());
  EXPECT_EQ(RuleSet().size(), 0u);
}

TEST(RuleSet, UnionsMergeInOrderAndCachedUnionsAgree) {
  const RuleSet dash = RuleSet::of("fold.dash"), space = RuleSet::of("separator.whitespace");
  const RuleSet both = RuleSet::of({"fold.dash", "lookalike.digit", "separator.whitespace"});
  const RuleSet lookalike_space = RuleSet::of({"separator.whitespace", "lookalike.digit"});
  EXPECT_EQ(dash | lookalike_space, both);
  EXPECT_EQ(lookalike_space | dash, both);
  EXPECT_EQ(dash | RuleSet(), dash);
  EXPECT_EQ(RuleSet() | space, space);
  EXPECT_EQ(both | dash, both);
  RuleSetUnions unions;
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(unions.of(dash, lookalike_space), both);
    EXPECT_EQ(unions.of(space, dash), dash | space);
    EXPECT_EQ(unions.of(both, RuleSet()), both);
  }
}

TEST(RuleSet, ThreadsInterningTheSameSetsGetTheSameValues) {
  constexpr int kSets = 300;
  std::vector<RuleName> names;
  for (int i = 0; i < kSets; ++i) names.push_back(testing::rule("test.rule_" + std::to_string(i)));
  auto intern_all = [&](std::vector<RuleSet>& out) {
    for (int i = 0; i < kSets; ++i) out.push_back(RuleSet::of({names[i], names[(i + 1) % kSets]}));
  };
  std::vector<RuleSet> first, second;
  std::thread t(intern_all, std::ref(first));
  intern_all(second);
  t.join();
  ASSERT_EQ(first, second);
  for (int i = 0; i < kSets; ++i) {
    std::vector<std::string> want{std::string(names[i]), std::string(names[(i + 1) % kSets])};
    std::sort(want.begin(), want.end());
    EXPECT_EQ(texts(first[i]), want);
  }
}

// Single names are remembered per thread by where they live: more names than are remembered,
// asked for again and again, from two storages of the same text, and the empty name, must give
// the set of the one-name list every time.
TEST(RuleSet, SingleNamesGiveTheSetOfTheirListEveryTime) {
  constexpr int kNames = 300;  // more than the thread remembers: slots are shared and retaken
  std::vector<RuleName> names, copies;
  for (int i = 0; i < kNames; ++i) {
    names.push_back(testing::rule("test.single_" + std::to_string(i)));
    copies.push_back(testing::rule("test.single_" + std::to_string(i)));
  }
  names.push_back(testing::rule(""));
  copies.push_back(RuleName{});
  for (int round = 0; round < 3; ++round) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      const RuleSet want = RuleSet::of(std::span<const RuleName>(&names[i], 1));
      EXPECT_EQ(RuleSet::of(names[i]), want) << i;
      EXPECT_EQ(RuleSet::of(copies[i]), want) << i;
      EXPECT_EQ(texts(RuleSet::of(names[i])), std::vector<std::string>{std::string(names[i])});
      // A few names over and over, as a pass asks for them.
      EXPECT_EQ(RuleSet::of(names[i % 3]),
                RuleSet::of(std::span<const RuleName>(&names[i % 3], 1)));
    }
  }
}

// A name and a shorter name at the same address (its prefix) are two names; each thread's first
// and later asks, and asks after another thread has ended and freed its table, give their sets.
TEST(RuleSet, NamesSharingAnAddressAndNamesAskedOnManyThreads) {
  const RuleName whole = testing::rule("test.shared_address_name");
  const RuleName prefix = whole.substr(0, 18);  // "test.shared_addres"
  auto ask = [&](std::vector<std::vector<std::string>>& out) {
    for (int round = 0; round < 2; ++round) {
      out.push_back(texts(RuleSet::of(whole)));
      out.push_back(texts(RuleSet::of(prefix)));
    }
  };
  const std::vector<std::vector<std::string>> want{
      {"test.shared_address_name"}, {"test.shared_addres"},
      {"test.shared_address_name"}, {"test.shared_addres"}};
  for (int thread = 0; thread < 3; ++thread) {
    std::vector<std::vector<std::string>> got;
    std::thread t(ask, std::ref(got));
    t.join();
    EXPECT_EQ(got, want) << thread;
  }
  std::vector<std::vector<std::string>> here;
  ask(here);
  EXPECT_EQ(here, want);
}

// The thread's unions: more distinct pairs than it has slots, met again and again in two
// orders, each the union worked out afresh; every thread has its own table.
TEST(RuleSet, ThreadUnionsOfManyPairsAgreeWithTheUnion) {
  constexpr int kNames = 12;
  std::vector<RuleSet> sets;
  for (int i = 0; i < kNames; ++i)
    sets.push_back(RuleSet::of(testing::rule("test.union_" + std::to_string(i))));
  RuleSetUnions& unions = RuleSetUnions::of_thread();
  EXPECT_EQ(&unions, &RuleSetUnions::of_thread());
  for (int round = 0; round < 3; ++round)
    for (int i = 0; i < kNames; ++i)
      for (int j = 0; j < kNames; ++j) {
        EXPECT_EQ(unions.of(sets[i], sets[j]), sets[i] | sets[j]) << i << ' ' << j;
        EXPECT_EQ(texts(unions.of(sets[j], sets[i])), texts(sets[i] | sets[j]));
      }
  const RuleSetUnions* other = nullptr;
  std::thread t([&] { other = &RuleSetUnions::of_thread(); });
  t.join();
  EXPECT_NE(other, &unions);
}

// Sequences keep their order and duplicates; equal lists are one value, whether made at once or
// a name at a time, and a sorted one shares the table with sets without becoming one.
TEST(RuleSequence, KeepsOrderAndDuplicatesAndEqualListsAreOneValue) {
  const RuleSequence once =
      RuleSequence::of({"context.column_header", "context.amount", "context.column_header"});
  const RuleSequence stepwise = RuleSequence()
                                    .then(testing::rule("context.column_header"))
                                    .then("context.amount")
                                    .then("context.column_header");
  EXPECT_EQ(once, stepwise);
  EXPECT_EQ(texts(once), (std::vector<std::string>{"context.column_header", "context.amount",
                                                   "context.column_header"}));
  EXPECT_EQ(once.size(), 3u);
  EXPECT_EQ(once[1], "context.amount");
  EXPECT_NE(RuleSequence::of({"a.x", "b.y"}), RuleSequence::of({"b.y", "a.x"}));
  EXPECT_EQ(texts(RuleSequence::of({"a.x", "b.y"})), texts(RuleSet::of({"b.y", "a.x"})));
  EXPECT_TRUE(RuleSequence::of(std::span<const RuleName>{}).empty());
  EXPECT_EQ(RuleSequence().size(), 0u);
  EXPECT_EQ(texts(RuleSequence()), std::vector<std::string>{});
}

}  // namespace
}  // namespace norvane
