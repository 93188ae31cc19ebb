// Polls run the thread's installed check every so many units and throw when it says stop.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "error/interrupt.hpp"
#include "normalize/pipeline.hpp"

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

}  // namespace
}  // namespace norvane
