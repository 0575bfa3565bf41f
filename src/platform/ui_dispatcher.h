#pragma once
// The hand-over of work to the UI thread. Other threads (the periodic timer's) post work here
// instead of touching what the UI thread owns; the UI thread runs it later, one item at a time,
// in posting order. The program's dispatcher queues the work on the window's event loop; tests
// and the headless runner run the queue by hand.

// Work to run on the UI thread with the context it was posted with.
using TUiWork = void (*)(void* context);

class TUiDispatcher {
 public:
  virtual ~TUiDispatcher() = default;

  // Any thread: queue `work(context)` for the UI thread.
  virtual void Post(TUiWork work, void* context) = 0;
  // UI thread: drop every queued item posted with `context` that has not run yet. Whoever posts
  // with a context calls this before the context goes, so no item reaches it afterwards.
  virtual void Withdraw(const void* context) = 0;
};
