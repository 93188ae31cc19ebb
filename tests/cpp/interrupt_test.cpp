// Polls run the thread's installed check every so many units and throw when it says stop.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "detect/source_order.hpp"
#include "error/interrupt.hpp"
#include "normalize/pipeline.hpp"
#include "span/span_map.hpp"

namespace norvane {
namespace {

struct Counter {
  int calls = 0;
  int stop_at = -1;  // the call that says stop (-1: never)
};

bool count_and_maybe_stop(void* context) {
  auto& c = *static_cast<Counter*>(context);
  return ++c.calls == c.stop_at;
}

TEST(Interrupt, WithoutACheckPollsNeverFire) {
  interrupt::Poll poll;
  for (int i = 0; i < 1000; ++i) poll.advance(interrupt::kUnitsPerCheck);
  SUCCEED();
}

TEST(Interrupt, TheCheckRunsOncePerStrideOfUnits) {
  Counter c;
  interrupt::Scope scope(&count_and_maybe_stop, &c);
  interrupt::Poll poll;
  poll.advance(interrupt::kUnitsPerCheck);  // not past the stride yet
  EXPECT_EQ(c.calls, 0);
  poll.advance(1);
  EXPECT_EQ(c.calls, 1);
  poll.reach(5 * static_cast<std::size_t>(interrupt::kUnitsPerCheck));
  EXPECT_EQ(c.calls, 2);  // one check for a long step, then a new stride
}

TEST(Interrupt, AStopThrowsFromThePollAndScopesNest) {
  Counter outer{0, 1}, inner;
  interrupt::Scope a(&count_and_maybe_stop, &outer);
  {
    interrupt::Scope b(&count_and_maybe_stop, &inner);
    interrupt::Poll poll;
    poll.advance(interrupt::kUnitsPerCheck + 1);
    EXPECT_EQ(inner.calls, 1);
  }
  interrupt::Poll poll;
  EXPECT_THROW(poll.advance(interrupt::kUnitsPerCheck + 1), interrupt::Interrupted);
  EXPECT_EQ(outer.calls, 1);
}

TEST(Interrupt, AnotherThreadSeesNoCheck) {
  Counter c{0, 1};
  interrupt::Scope scope(&count_and_maybe_stop, &c);
  std::thread([] {
    interrupt::Poll poll;
    poll.advance(3 * interrupt::kUnitsPerCheck);
  }).join();
  EXPECT_EQ(c.calls, 0);
}

TEST(Interrupt, NormalizeOfALongTextStopsAndLeavesNothingBehind) {
  Counter c{0, 2};
  interrupt::Scope scope(&count_and_maybe_stop, &c);
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "전화 ０１０－１２３４－５６７８ 일억 ";
  EXPECT_THROW((void)normalize(text, Config{}), interrupt::Interrupted);
  EXPECT_EQ(c.calls, 2);
}

// The steps of long work that used to run without a poll: putting a million findings in source
// order (most of a second, the moves going to far places), and keeping a stretch of megabytes
// that a pass did not change.
struct Placed {
  Span source;
  std::unique_ptr<int> payload;  // a lost or doubled move shows under AddressSanitizer
};

std::vector<Placed> interleaved(std::size_t n) {
  // Two ascending stretches whose items alternate in source order: the merge moves every item.
  std::vector<Placed> v;
  for (std::size_t i = 0; i < n; ++i) {
    const auto at = static_cast<std::uint32_t>(i < n / 2 ? 4 * i : 4 * (i - n / 2) + 2);
    v.push_back(Placed{Span{at, at + 1, at, at + 1}, std::make_unique<int>(static_cast<int>(i))});
  }
  return v;
}

TEST(Interrupt, SourceOrderOfAMillionItemsPollsAndStops) {
  {
    Counter c;  // never stops: the order comes out whole
    interrupt::Scope scope(&count_and_maybe_stop, &c);
    std::vector<Placed> v = interleaved(1'000'000);
    sort_by_source(v);
    EXPECT_GT(c.calls, 100);
    for (std::size_t i = 1; i < v.size(); ++i)
      ASSERT_LT(v[i - 1].source.byte_start, v[i].source.byte_start) << i;
    for (std::size_t i = 0; i < v.size(); ++i)
      ASSERT_EQ(*v[i].payload, static_cast<int>(i % 2 ? 500'000 + i / 2 : i / 2)) << i;
  }
  for (const int stop_at : {1, 40, 200}) {  // in the merge, in the moves
    Counter c{0, stop_at};
    interrupt::Scope scope(&count_and_maybe_stop, &c);
    std::vector<Placed> v = interleaved(1'000'000);
    EXPECT_THROW(sort_by_source(v), interrupt::Interrupted) << stop_at;
    EXPECT_EQ(c.calls, stop_at);
  }
}

TEST(Interrupt, KeepingALongStretchPollsBetweenPieces) {
  const std::string stretch(24u << 20, 'a');
  Counter c{0, 3};
  interrupt::Scope scope(&count_and_maybe_stop, &c);
  SpanMapBuilder builder;
  EXPECT_THROW(builder.keep(stretch), interrupt::Interrupted);
  EXPECT_EQ(c.calls, 3);
}

}  // namespace
}  // namespace norvane
