#include "config/event_handler_list.h"

#include <algorithm>

#include "containers/key_hash.h"

SW_CLASS_DEFINE(TEventHandlerList, TObject)

namespace {

// Up to this many slots a search scans them: quicker than hashing, and no table to carry.
constexpr size_t kScanLimit = 8;

uint32_t HandlerHash(const TSWEventHandler& handler) {
  const auto target = reinterpret_cast<uintptr_t>(handler.Target());
  const auto code = reinterpret_cast<uintptr_t>(handler.Code());
  return MixHash(target ^ (code << 16) ^ (code >> 48));
}

}  // namespace

// Counts the dispatches running over a list, also when a handler fails.
class TEventHandlerList::TDispatchScope {
 public:
  explicit TDispatchScope(TEventHandlerList& list) : list_(list) { ++list_.dispatchDepth_; }
  ~TDispatchScope() {
    if (--list_.dispatchDepth_ == 0) list_.Settle();
  }
  TDispatchScope(const TDispatchScope&) = delete;
  TDispatchScope& operator=(const TDispatchScope&) = delete;

 private:
  TEventHandlerList& list_;
};

int TEventHandlerList::SlotOf(const TSWEventHandler& handler) const {
  if (index_)
    return index_->FindLast(HandlerHash(handler),
                            [&](int slot) { return slots_[slot] == handler; });
  const auto found = std::find(slots_.begin(), slots_.end(), handler);
  return found == slots_.end() ? -1 : static_cast<int>(found - slots_.begin());
}

int TEventHandlerList::IndexOfHandler(const TSWEventHandler& handler) const {
  const int slot = SlotOf(handler);
  if (slot < 0 || removedCount_ == 0) return slot;
  return static_cast<int>(
      std::count_if(slots_.begin(), slots_.begin() + slot, [](const auto& h) { return bool(h); }));
}

void TEventHandlerList::Append(const TSWEventHandler& handler) {
  slots_.push_back(handler);
  const int slot = static_cast<int>(slots_.size()) - 1;
  if (index_)
    index_->Insert(HandlerHash(handler), slot);
  else if (slots_.size() > kScanLimit)
    BuildIndex();
}

void TEventHandlerList::BuildIndex() {
  index_ = std::make_unique<TIndexTable>();
  index_->Reserve(static_cast<int>(slots_.size()));
  for (size_t slot = 0; slot < slots_.size(); ++slot)
    if (slots_[slot]) index_->Insert(HandlerHash(slots_[slot]), static_cast<int>(slot));
}

void TEventHandlerList::Remove(const TSWEventHandler& handler) {
  const int slot = SlotOf(handler);
  if (slot < 0) return;
  if (index_) index_->Erase(HandlerHash(handler), slot);
  slots_[slot] = TSWEventHandler();
  ++removedCount_;
  CompactIfSparse();
}

void TEventHandlerList::Dispatch(TSWConfig* sender, const WideString& eventName, TObject* arg) {
  const TDispatchScope scope(*this);
  for (int slot = static_cast<int>(slots_.size()) - 1; slot >= 0 && !released_; --slot) {
    // A copy: the handler may append to the list and so move its slots.
    const TSWEventHandler handler = slots_[slot];
    if (handler) handler(sender, eventName, arg);
  }
}

void TEventHandlerList::Release(TEventHandlerList* list) {
  if (list->dispatchDepth_ == 0) {
    delete list;
    return;
  }
  list->released_ = true;
}

void TEventHandlerList::Settle() {
  if (released_) {
    delete this;
    return;
  }
  CompactIfSparse();
}

void TEventHandlerList::CompactIfSparse() {
  if (dispatchDepth_ > 0 || removedCount_ * 2 <= static_cast<int>(slots_.size())) return;
  std::erase_if(slots_, [](const TSWEventHandler& handler) { return !handler; });
  removedCount_ = 0;
  if (index_) BuildIndex();
}
