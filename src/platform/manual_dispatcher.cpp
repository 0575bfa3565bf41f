#include "platform/manual_dispatcher.h"

void TManualDispatcher::Post(TUiWork work, void* context) {
  std::lock_guard<std::mutex> lock(lock_);
  queue_.push_back({++lastSerial_, work, context});
}

void TManualDispatcher::Withdraw(const void* context) {
  std::lock_guard<std::mutex> lock(lock_);
  std::erase_if(queue_, [context](const TItem& item) { return item.Context == context; });
}

int TManualDispatcher::RunPending() {
  uint64_t lastSerial;
  {
    std::lock_guard<std::mutex> lock(lock_);
    lastSerial = lastSerial_;
  }
  int ran = 0;
  // Each item is taken out before it runs, so it may post, withdraw or run the queue itself.
  for (TItem item{}; TakeNext(lastSerial, item); ++ran) item.Work(item.Context);
  return ran;
}

int TManualDispatcher::PendingCount() const {
  std::lock_guard<std::mutex> lock(lock_);
  return static_cast<int>(queue_.size());
}

bool TManualDispatcher::TakeNext(uint64_t lastSerial, TItem& item) {
  std::lock_guard<std::mutex> lock(lock_);
  if (queue_.empty() || queue_.front().Serial > lastSerial) return false;
  item = queue_.front();
  queue_.pop_front();
  return true;
}
