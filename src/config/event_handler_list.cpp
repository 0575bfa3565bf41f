#include "config/event_handler_list.h"

#include <memory>

SW_CLASS_DEFINE(TEventHashItem, TObject)
SW_CLASS_DEFINE(TEventHandlerList, TObjectHash)

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

TEventHandlerList::TEventHandlerList(const WideString& key) : TObjectHash(true), key_(key) {}

TEventHashItem& TEventHandlerList::Item(int index) const {
  return static_cast<TEventHashItem&>(*Objects(index));
}

int TEventHandlerList::ItemIndexOf(const TSWEventHandler& handler) const {
  for (int i = 0; i < Count(); ++i) {
    const TEventHashItem& item = Item(i);
    if (!item.Removed && item.Handler == handler) return i;
  }
  return -1;
}

int TEventHandlerList::IndexOfHandler(const TSWEventHandler& handler) const {
  const int index = ItemIndexOf(handler);
  if (index < 0) return -1;
  int position = 0;
  for (int i = 0; i < index; ++i)
    if (!Item(i).Removed) ++position;
  return position;
}

void TEventHandlerList::Append(const TSWEventHandler& handler) {
  AddOwned(WideString(), std::make_unique<TEventHashItem>(handler));
}

void TEventHandlerList::Remove(const TSWEventHandler& handler) {
  const int index = ItemIndexOf(handler);
  if (index < 0) return;
  if (dispatchDepth_ == 0) {
    Delete(index);
    return;
  }
  Item(index).Removed = true;
  ++removedCount_;
}

void TEventHandlerList::Dispatch(TSWConfig* sender, const WideString& eventName, TObject* arg) {
  const TDispatchScope scope(*this);
  for (int i = Count() - 1; i >= 0 && !released_; --i) {
    const TEventHashItem& item = Item(i);
    if (!item.Removed) item.Handler(sender, eventName, arg);
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
  if (removedCount_ > 0) Compact();
}

void TEventHandlerList::Compact() {
  for (int i = Count() - 1; i >= 0; --i)
    if (Item(i).Removed) Delete(i);
  removedCount_ = 0;
}
