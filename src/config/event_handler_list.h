#pragma once
// The handlers of one event key, in registration order, stored side by side so that a dispatch
// reads them in one sweep. Handlers come and go while the list is being called (objects are
// created, die and unsubscribe inside "tick" handlers), so a removed handler only empties its
// slot; the empty slots are closed once they outnumber the handlers and no dispatch runs, and a
// list that left the registry meanwhile is freed when the outermost dispatch has ended. Slots
// below the count a dispatch started with therefore never move under it.
#include <memory>
#include <vector>

#include "base/tobject.h"
#include "config/event_handler.h"
#include "containers/index_table.h"

class TEventHandlerList : public TObject {
  SW_CLASS(TEventHandlerList)

  // The key the list was registered under.
  explicit TEventHandlerList(const WideString& key) : key_(key) {}

  const WideString& Key() const { return key_; }
  // Handlers not removed.
  int LiveCount() const { return static_cast<int>(slots_.size()) - removedCount_; }
  // The position among the live handlers, or -1.
  int IndexOfHandler(const TSWEventHandler& handler) const;
  bool Contains(const TSWEventHandler& handler) const { return SlotOf(handler) >= 0; }

  // The handler must not be in the list yet.
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

  int SlotOf(const TSWEventHandler& handler) const;
  // Closes the empty slots once they outnumber the handlers, unless a dispatch runs.
  void CompactIfSparse();
  void BuildIndex();
  // Runs when the outermost dispatch ends.
  void Settle();

  WideString key_;
  // A removed handler leaves an empty binding in its slot.
  std::vector<TSWEventHandler> slots_;
  // Slot by handler, made once the list is too long to scan.
  std::unique_ptr<TIndexTable> index_;
  int dispatchDepth_ = 0;
  int removedCount_ = 0;
  bool released_ = false;
};
