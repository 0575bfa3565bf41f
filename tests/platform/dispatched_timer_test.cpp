#include "platform/dispatched_timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "platform/manual_dispatcher.h"

namespace {

using namespace std::chrono_literals;

void Bump(void* context) { ++*static_cast<int*>(context); }

}  // namespace

TEST(DispatchedTimerTest, EachPeriodReachesTheHandlerOnceWhereTheDispatcherRuns) {
  TManualDispatcher dispatcher;
  int handled = 0;
  TDispatchedTimer timer(dispatcher, 0, 0, &Bump, &handled);
  EXPECT_EQ(timer.Handle(), 0u);
  timer.PeriodElapsed();
  timer.PeriodElapsed();
  EXPECT_EQ(handled, 0);
  EXPECT_EQ(dispatcher.RunPending(), 2);
  EXPECT_EQ(handled, 2);
}

TEST(DispatchedTimerTest, DiscardingDropsThePeriodsNotYetHandledAndKeepsOtherWork) {
  TManualDispatcher dispatcher;
  int handled = 0, other = 0;
  TDispatchedTimer timer(dispatcher, 0, 0, &Bump, &handled);
  timer.PeriodElapsed();
  dispatcher.Post(&Bump, &other);
  timer.PeriodElapsed();
  timer.DiscardPending();
  timer.PeriodElapsed();
  EXPECT_EQ(dispatcher.RunPending(), 2);
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(other, 1);
}

TEST(DispatchedTimerTest, PeriodsDueOnHoldAreSkippedAndThosePostedBeforeStay) {
  TManualDispatcher dispatcher;
  int handled = 0;
  TDispatchedTimer timer(dispatcher, 0, 0, &Bump, &handled, true);
  timer.PeriodElapsed();
  timer.SetHeld(false);
  timer.PeriodElapsed();
  timer.PeriodElapsed();
  timer.SetHeld(true);
  timer.PeriodElapsed();
  EXPECT_EQ(dispatcher.RunPending(), 2);
  EXPECT_EQ(handled, 2);
}

TEST(DispatchedTimerTest, RealPeriodsArePostedAndNoneOutlivesTheTimer) {
  TManualDispatcher dispatcher;
  int handled = 0;
  auto timer = std::make_unique<TDispatchedTimer>(dispatcher, 5, 0, &Bump, &handled);
  ASSERT_NE(timer->Handle(), 0u);
  for (int waited = 0; dispatcher.PendingCount() < 2 && waited < 5000; ++waited)
    std::this_thread::sleep_for(1ms);
  ASSERT_GE(dispatcher.PendingCount(), 2);
  EXPECT_GE(dispatcher.RunPending(), 2);
  EXPECT_GE(handled, 2);

  for (int waited = 0; dispatcher.PendingCount() < 1 && waited < 5000; ++waited)
    std::this_thread::sleep_for(1ms);
  const int before = handled;
  timer.reset();
  EXPECT_EQ(dispatcher.PendingCount(), 0);
  std::this_thread::sleep_for(15ms);
  EXPECT_EQ(dispatcher.RunPending(), 0);
  EXPECT_EQ(handled, before);
}
