#pragma once
// The event registry's trail: what one subscriber registered, so that all of it can be removed
// in one call when the subscriber goes away.
#include <memory>
#include <vector>

#include "base/tobject.h"
#include "config/event_handler.h"

// One handler a subscriber registered.
class TEventHashItem : public TObject {
  SW_CLASS(TEventHashItem)

  explicit TEventHashItem(const TSWEventHandler& handler) : Handler(handler) {}

  TSWEventHandler Handler;
};

// A subscriber's (event key, handler) pairs in registration order.
class TEventSubscriptions : public TObject {
  SW_CLASS(TEventSubscriptions)

  struct TSubscription {
    WideString EventName;
    std::unique_ptr<TEventHashItem> Item;
  };
  std::vector<TSubscription> Items;
};
