#include "ui/platform/qt_dispatcher.h"

#include <QScopeGuard>

void TQtDispatcher::Post(TUiWork work, void* context) {
  TManualDispatcher::Post(work, context);
  WakeLater();
}

void TQtDispatcher::WakeLater() {
  QMetaObject::invokeMethod(
      this, [this] { RunQueued(); }, Qt::QueuedConnection);
}

// A failing item propagates to the event loop; what was queued after it runs at the next wake-up.
void TQtDispatcher::RunQueued() {
  if (running_) return;  // an item's nested event loop: the running call wakes again at its end
  running_ = true;
  const auto finished = qScopeGuard([this] {
    running_ = false;
    if (PendingCount() > 0) WakeLater();
  });
  RunPending();
}
