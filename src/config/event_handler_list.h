#pragma once
// The handlers of one event key, in registration order: an owning object hash of items with
// empty names. Handlers come and go while the list is being called (objects are created, die and
// unsubscribe inside "tick" handlers), so while a dispatch runs a removed handler is only marked,
// and the list is compacted — or freed, when it left the registry meanwhile — once the outermost
// dispatch has ended. Positions below the count a dispatch started with therefore never move.
#include "config/event_handler.h"
#include "containers/object_hash.h"

// One registered handler.
class TEventHashItem : public TObject {
  SW_CLASS(TEventHashItem)

  explicit TEventHashItem(const TSWEventHandler& handler) : Handler(handler) {}

  TSWEventHandler Handler;
  // Removed while its list was being dispatched; dropped when the dispatch ends.
  bool Removed = false;
};

class TEventHandlerList : public TObjectHash {
  SW_CLASS(TEventHandlerList)

  // The key the list was registered under.
  explicit TEventHandlerList(const WideString& key);

  const WideString& Key() const { return key_; }
  // Handlers not removed.
  int LiveCount() const { return Count() - removedCount_; }
  // The position among the live handlers, or -1.
  int IndexOfHandler(const TSWEventHandler& handler) const;

  void Append(const TSWEventHandler& handler);
  // Nothing happens when the handler is not in the list.
  void Remove(const TSWEventHandler& handler);

  // Calls every handler present now, newest first, with (sender, eventName, arg). A handler
  // appended meanwhile is not called; one removed meanwhile is not called after its removal;
  // after Release the rest are skipped. Allocates nothing.
  void Dispatch(TSWConfig* sender, const WideString& eventName, TObject* arg);

  // The list has left the registry: freed now, or by the dispatch running it when that ends.
  static void Release(TEventHandlerList* list);

 private:
  class TDispatchScope;

  TEventHashItem& Item(int index) const;
  int ItemIndexOf(const TSWEventHandler& handler) const;
  // Runs when the outermost dispatch ends.
  void Settle();
  void Compact();

  WideString key_;
  int dispatchDepth_ = 0;
  int removedCount_ = 0;
  bool released_ = false;
};
