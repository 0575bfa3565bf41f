#include "platform/manual_dispatcher.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

namespace {

struct TJournal {
  TManualDispatcher* Dispatcher = nullptr;
  std::vector<int> Runs;
};

struct TStep {
  TJournal* Journal;
  int Number;
};

void Record(void* context) {
  auto* step = static_cast<TStep*>(context);
  step->Journal->Runs.push_back(step->Number);
}

void Fail(void*) { throw std::runtime_error("work failed"); }

// Posts itself again: the copy must wait for the next RunPending.
void Repost(void* context) {
  auto* step = static_cast<TStep*>(context);
  step->Journal->Runs.push_back(step->Number);
  step->Journal->Dispatcher->Post(&Record, context);
}

void Bump(void* context) { ++*static_cast<int*>(context); }

}  // namespace

TEST(ManualDispatcherTest, RunsWhatWasQueuedInOrderAndLeavesLaterWorkForTheNextRun) {
  TManualDispatcher dispatcher;
  TJournal journal{&dispatcher, {}};
  TStep one{&journal, 1}, two{&journal, 2};
  dispatcher.Post(&Repost, &one);
  dispatcher.Post(&Record, &two);
  EXPECT_EQ(dispatcher.PendingCount(), 2);

  EXPECT_EQ(dispatcher.RunPending(), 2);
  EXPECT_EQ(journal.Runs, (std::vector<int>{1, 2}));
  EXPECT_EQ(dispatcher.PendingCount(), 1);
  EXPECT_EQ(dispatcher.RunPending(), 1);
  EXPECT_EQ(journal.Runs, (std::vector<int>{1, 2, 1}));
  EXPECT_EQ(dispatcher.RunPending(), 0);
}

TEST(ManualDispatcherTest, AFailingItemPropagatesAndTheItemsAfterItStayQueued) {
  TManualDispatcher dispatcher;
  TJournal journal{&dispatcher, {}};
  TStep one{&journal, 1}, two{&journal, 2};
  dispatcher.Post(&Record, &one);
  dispatcher.Post(&Fail, nullptr);
  dispatcher.Post(&Record, &two);
  EXPECT_THROW(dispatcher.RunPending(), std::runtime_error);
  EXPECT_EQ(journal.Runs, (std::vector<int>{1}));
  EXPECT_EQ(dispatcher.RunPending(), 1);
  EXPECT_EQ(journal.Runs, (std::vector<int>{1, 2}));
}

TEST(ManualDispatcherTest, WithdrawDropsOnlyTheWorkOfThatContext) {
  TManualDispatcher dispatcher;
  TJournal journal{&dispatcher, {}};
  TStep one{&journal, 1}, two{&journal, 2};
  dispatcher.Post(&Record, &one);
  dispatcher.Post(&Record, &two);
  dispatcher.Post(&Record, &one);
  dispatcher.Withdraw(&one);
  EXPECT_EQ(dispatcher.RunPending(), 1);
  EXPECT_EQ(journal.Runs, (std::vector<int>{2}));
}

TEST(ManualDispatcherTest, PostsFromSeveralThreadsAreAllKept) {
  TManualDispatcher dispatcher;
  int runs = 0;
  std::vector<std::thread> posters;
  for (int t = 0; t < 2; ++t)
    posters.emplace_back([&] {
      for (int i = 0; i < 5000; ++i) dispatcher.Post(&Bump, &runs);
    });
  for (std::thread& poster : posters) poster.join();
  EXPECT_EQ(dispatcher.RunPending(), 10000);
  EXPECT_EQ(runs, 10000);
}
