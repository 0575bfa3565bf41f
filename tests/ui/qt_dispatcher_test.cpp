#include "ui/platform/qt_dispatcher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>
#include <thread>
#include <vector>

namespace {

struct TWorkLog {
  std::vector<std::string> Entries;
  std::vector<std::thread::id> Threads;
};

// One posted item: records its name; a nesting item also runs the event loop while a new event
// arrives, as a modal dialog would, and records its end.
struct TProbe {
  TWorkLog& Log;
  std::string Name;
  bool Nests = false;
};

void Record(void* context) {
  TProbe& probe = *static_cast<TProbe*>(context);
  probe.Log.Threads.push_back(std::this_thread::get_id());
  probe.Log.Entries.push_back(probe.Name);
  if (!probe.Nests) return;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
  QCoreApplication::processEvents();
  probe.Log.Entries.push_back(probe.Name + " end");
}

}  // namespace

TEST(QtDispatcherTest, RunsWorkPostedElsewhereOnTheUiThreadInOrderExceptWithdrawnWork) {
  TQtDispatcher dispatcher;
  TWorkLog log;
  TProbe first{log, "first"}, withdrawn{log, "withdrawn"}, last{log, "last"};
  std::thread timer([&] {
    for (TProbe* probe : {&first, &withdrawn, &last}) dispatcher.Post(&Record, probe);
  });
  timer.join();
  EXPECT_TRUE(log.Entries.empty());

  dispatcher.Withdraw(&withdrawn);
  QCoreApplication::processEvents();

  EXPECT_EQ(log.Entries, (std::vector<std::string>{"first", "last"}));
  EXPECT_EQ(log.Threads, std::vector<std::thread::id>(2, std::this_thread::get_id()));
}

TEST(QtDispatcherTest, RunsOneItemAtATimeEvenWhenAnItemRunsTheEventLoop) {
  TQtDispatcher dispatcher;
  TWorkLog log;
  TProbe modal{log, "modal", true}, next{log, "next"};
  dispatcher.Post(&Record, &modal);
  dispatcher.Post(&Record, &next);
  QCoreApplication::processEvents();

  EXPECT_EQ(log.Entries, (std::vector<std::string>{"modal", "modal end", "next"}));
}
