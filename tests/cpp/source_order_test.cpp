// Findings and rejections put in source order in place: the same order as a stable sort, the
// items moved, never copied or lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "detect/source_order.hpp"
#include "span/span.hpp"

namespace norvane {
namespace {

// A move-only item with a heap-held payload, so that a lost or duplicated move shows.
struct Item {
  Span source;
  std::unique_ptr<std::string> tag;
};

std::vector<Item> items_of(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& spans) {
  std::vector<Item> v;
  for (std::size_t i = 0; i < spans.size(); ++i)
    v.push_back(Item{Span{spans[i].first, spans[i].second, 0, 0},
                     std::make_unique<std::string>(std::to_string(i))});
  return v;
}

// The tags in the order a stable sort on (start, end) gives, and in the order sort_by_source gives.
std::pair<std::string, std::string> both_orders(
    const std::vector<std::pair<std::uint32_t, std::uint32_t>>& spans) {
  std::vector<std::size_t> expected(spans.size());
  for (std::size_t i = 0; i < spans.size(); ++i) expected[i] = i;
  std::stable_sort(expected.begin(), expected.end(),
                   [&](std::size_t a, std::size_t b) { return spans[a] < spans[b]; });
  std::string want, got;
  for (std::size_t i : expected) want += std::to_string(i) + ' ';
  std::vector<Item> v = items_of(spans);
  sort_by_source(v);
  for (const Item& item : v) got += (item.tag ? *item.tag : std::string("<moved-from>")) + ' ';
  return {want, got};
}

TEST(SourceOrder, SmallListsOfStretches) {
  const std::vector<std::vector<std::pair<std::uint32_t, std::uint32_t>>> cases = {
      {},
      {{5, 9}},
      {{1, 2}, {3, 4}, {5, 6}},                   // already in order: untouched
      {{10, 12}, {20, 22}, {1, 3}, {15, 16}},     // two stretches
      {{4, 8}, {4, 6}, {4, 8}, {4, 6}},           // equal keys keep their order
      {{9, 10}, {8, 9}, {7, 8}, {6, 7}, {5, 6}},  // every item its own stretch
      {{3, 4}, {1, 2}, {2, 3}, {0, 1}},           // a cycle of four places
      // A stretch taken several items at a time, up to the other's equal keys, which follow.
      {{1, 2}, {2, 3}, {2, 3}, {5, 6}, {1, 2}, {2, 3}, {4, 5}},
      {{2, 3}, {2, 3}, {7, 8}, {0, 1}, {2, 3}, {2, 3}, {3, 4}, {1, 2}, {2, 3}},
  };
  for (const auto& spans : cases) {
    const auto [want, got] = both_orders(spans);
    EXPECT_EQ(got, want);
  }
}

TEST(SourceOrder, RandomListsWithFewAndManyStretches) {
  std::mt19937 rng(7);
  for (int round = 0; round < 400; ++round) {
    // A few stretches (merged) up to many more than sixteen (sorted by number).
    const std::size_t stretches = 1 + rng() % (round < 200 ? 6 : 40);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> spans;
    for (std::size_t s = 0; s < stretches; ++s) {
      std::uint32_t at = rng() % 50;
      const std::size_t len = rng() % 12;
      for (std::size_t i = 0; i < len; ++i) {
        at += rng() % 4;  // repeated starts as well
        spans.push_back({at, at + 1 + static_cast<std::uint32_t>(rng() % 3)});
      }
    }
    const auto [want, got] = both_orders(spans);
    ASSERT_EQ(got, want) << "round " << round;
  }
}

}  // namespace
}  // namespace norvane
