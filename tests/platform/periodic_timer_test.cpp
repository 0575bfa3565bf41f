#include "platform/periodic_timer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "base/errors.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct TCounter {
  std::atomic<int> Calls = 0;
  std::atomic<uint32_t> Handle = 0;
  std::atomic<bool> StopRefused = false;
};

void Count(void* user) noexcept { ++static_cast<TCounter*>(user)->Calls; }

void StopSelf(void* user) noexcept {
  auto* counter = static_cast<TCounter*>(user);
  ++counter->Calls;
  if (counter->Handle == 0) return;
  try {
    StopPeriodicTimer(counter->Handle);
  } catch (const EInvalidOperation& error) {
    counter->StopRefused =
        error.Message() == u"A periodic timer cannot be stopped from its own callback.";
  }
}

// Polls until `done` holds or the time is up; true when it holds.
template <class Condition>
bool WaitFor(Condition done, std::chrono::milliseconds limit = 5s) {
  const Clock::time_point end = Clock::now() + limit;
  while (!done()) {
    if (Clock::now() >= end) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

}  // namespace

TEST(PeriodicTimerTest, DeadlinesKeepTheirPhaseAndSkipMissedPeriodsInsteadOfBursting) {
  const Clock::time_point start{};
  // On time: exactly one period later, however late the callback returned within the period.
  EXPECT_EQ(NextPeriodDeadline(start, 10ms, start + 3ms), start + 10ms);
  EXPECT_EQ(NextPeriodDeadline(start + 10ms, 10ms, start + 19ms), start + 20ms);
  // Behind: the first whole period after now, never a deadline already past.
  EXPECT_EQ(NextPeriodDeadline(start, 10ms, start + 10ms), start + 20ms);
  EXPECT_EQ(NextPeriodDeadline(start, 10ms, start + 35ms), start + 40ms);
}

TEST(PeriodicTimerTest, APeriodOfZeroOrLessStartsNothing) {
  TCounter counter;
  EXPECT_EQ(StartPeriodicTimer(0, 0, &Count, &counter), 0u);
  EXPECT_EQ(StartPeriodicTimer(-5, 0, &Count, &counter), 0u);
  StopPeriodicTimer(0);
  std::this_thread::sleep_for(10ms);
  EXPECT_EQ(counter.Calls, 0);
}

TEST(PeriodicTimerTest, CallsBackEveryPeriodUntilStoppedAndNeverAfter) {
  TCounter counter;
  const uint32_t handle = StartPeriodicTimer(5, 0, &Count, &counter);
  ASSERT_NE(handle, 0u);
  EXPECT_TRUE(WaitFor([&] { return counter.Calls >= 2; }));
  StopPeriodicTimer(handle);
  const int calls = counter.Calls;
  std::this_thread::sleep_for(20ms);
  EXPECT_EQ(counter.Calls, calls);
  // A second stop of the same handle finds nothing.
  StopPeriodicTimer(handle);
}

TEST(PeriodicTimerTest, StoppingWakesTheThreadInsteadOfWaitingForThePeriod) {
  TCounter counter;
  const uint32_t handle = StartPeriodicTimer(60'000, 3'000, &Count, &counter);
  const Clock::time_point before = Clock::now();
  StopPeriodicTimer(handle);
  EXPECT_LT(Clock::now() - before, 1s);
  EXPECT_EQ(counter.Calls, 0);
}

TEST(PeriodicTimerTest, TimersRunIndependentlyWithDistinctHandles) {
  TCounter first, second;
  const uint32_t a = StartPeriodicTimer(5, 0, &Count, &first);
  const uint32_t b = StartPeriodicTimer(5, 0, &Count, &second);
  EXPECT_NE(a, b);
  StopPeriodicTimer(a);
  const int stopped = first.Calls;
  const int running = second.Calls;
  EXPECT_TRUE(WaitFor([&] { return second.Calls >= running + 2; }));
  EXPECT_EQ(first.Calls, stopped);
  StopPeriodicTimer(b);
}

TEST(PeriodicTimerTest, ATimerCannotStopItselfFromItsCallback) {
  TCounter counter;
  counter.Handle = StartPeriodicTimer(5, 0, &StopSelf, &counter);
  EXPECT_TRUE(WaitFor([&] { return counter.StopRefused.load(); }));
  // The refused stop left it running; another thread stops it.
  const int calls = counter.Calls;
  EXPECT_TRUE(WaitFor([&] { return counter.Calls > calls; }));
  StopPeriodicTimer(counter.Handle);
}
