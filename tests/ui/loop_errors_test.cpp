#include "ui/platform/loop_errors.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <stdexcept>
#include <vector>

#include "base/errors.h"
#include "base/object_release.h"

namespace {

const QEvent::Type kEngineFailure = QEvent::User;
const QEvent::Type kOtherFailure = static_cast<QEvent::Type>(QEvent::User + 1);
const QEvent::Type kHandled = static_cast<QEvent::Type>(QEvent::User + 2);

// Fails in its event handler as game code reached from an event would.
class FailingReceiver : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == kEngineFailure)
      Raise<EInvalidOperation>(u"Map %s is already performing a selection. \u98A8", {u"Map"});
    if (event->type() == kOtherFailure) throw std::runtime_error("plain failure");
    if (event->type() == kHandled) return true;
    return QObject::event(event);
  }
};

class LoopErrorsTest : public testing::Test {
 protected:
  // Delivers through the running application, as the program's application object does.
  bool Deliver(QEvent::Type type) {
    QEvent event(type);
    return DeliverShowingErrors(
        [&] { return QCoreApplication::instance()->notify(&receiver, &event); }, show);
  }

  FailingReceiver receiver;
  std::vector<WideString> shown;
  TErrorPresenter show = [this](const WideString& message) { shown.push_back(message); };
};

}  // namespace

TEST_F(LoopErrorsTest, ShowsTheExactMessageOfAnErrorFromAnEventHandlerAndGoesOn) {
  EXPECT_FALSE(Deliver(kEngineFailure));
  EXPECT_FALSE(Deliver(kOtherFailure));
  EXPECT_TRUE(Deliver(kHandled));

  EXPECT_EQ(shown, (std::vector<WideString>{u"Map Map is already performing a selection. \u98A8",
                                            u"plain failure"}));
}

TEST_F(LoopErrorsTest, ShowsAFailureDeferredDuringAnEventOnceAfterIt) {
  DeferError(std::make_exception_ptr(EOSError(u"owner gone")));
  Deliver(kHandled);
  Deliver(kHandled);

  EXPECT_EQ(shown, std::vector<WideString>{u"owner gone"});
  EXPECT_EQ(TakeDeferredError(), nullptr);
}
