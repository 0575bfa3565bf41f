#pragma once
// A dispatcher whose queue runs when its owner says so: tests and the headless runner call
// RunPending on the thread that plays the UI thread. The queue takes a lock, so any thread may
// post. A dispatcher for an event loop can derive from it and also ask its loop to run
// RunPending after each Post.
#include <cstdint>
#include <deque>
#include <mutex>

#include "platform/ui_dispatcher.h"

class TManualDispatcher : public TUiDispatcher {
 public:
  void Post(TUiWork work, void* context) override;
  void Withdraw(const void* context) override;

  // Runs, on the calling thread and in posting order, the items that were queued when it was
  // called; items posted meanwhile wait for the next call. When an item fails, the failure
  // propagates and the items after it stay queued. Returns how many items ran.
  int RunPending();
  int PendingCount() const;

 private:
  struct TItem {
    uint64_t Serial;
    TUiWork Work;
    void* Context;
  };

  // Takes the first item if it was posted no later than `lastSerial`.
  bool TakeNext(uint64_t lastSerial, TItem& item);

  mutable std::mutex lock_;
  std::deque<TItem> queue_;
  uint64_t lastSerial_ = 0;
};
