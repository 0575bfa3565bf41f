#include "ui/platform/termination_signals.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <csignal>

namespace {

TEST(TerminationSignalsTest, EachSignalClosesEveryWindowOnTheEventLoop) {
  CloseWindowsOnTerminationSignals();
  CloseWindowsOnTerminationSignals();
  for (const int signal : {SIGTERM, SIGINT}) {
    QWidget first;
    QWidget second;
    first.show();
    second.show();
    ASSERT_EQ(std::raise(signal), 0);
    // The handler only wakes the loop: nothing is closed before the loop runs.
    EXPECT_TRUE(first.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !first.isVisible() && !second.isVisible(); }))
        << "signal " << signal;
  }
}

}  // namespace
