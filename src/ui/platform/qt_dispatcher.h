#pragma once
// The program's UI dispatcher: work posted from any thread runs on the thread that created the
// dispatcher (the window's), from Qt's event loop, one item at a time and in posting order.
// Each Post queues the item and a wake-up on the event loop; the wake-up runs what is queued.
// Withdraw drops queued items that have not run. While an item runs a nested event loop (a
// modal dialog), wake-ups wait for it to finish, so items never overlap.
#include <QObject>

#include "platform/manual_dispatcher.h"

class TQtDispatcher : public QObject, public TManualDispatcher {
 public:
  // Create it on the window's thread; whatever posts must stop before it goes.
  using QObject::QObject;

  void Post(TUiWork work, void* context) override;

 private:
  void WakeLater();
  void RunQueued();

  bool running_ = false;
};
