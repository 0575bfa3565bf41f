#pragma once
// A widget's subscription to the events of a configuration store. The store's registry names
// its subscribers by game object, which a widget is not: this component stands in for the
// widget, passes every event it receives on to the widget's handler, and withdraws all it
// registered when told to and when it goes, so the registry never calls into a widget that is
// gone. A store that goes first is forgotten (it took its registry with it).
#include "base/bound_method.h"
#include "base/component.h"

class TSWConfig;
class TSWObject;

class TStoreSubscriber : public TComponent {
  SW_CLASS(TStoreSubscriber)

  // Receives the event name as raised (an object event's name carries the object's token) and
  // the event's argument.
  using THandler = TBoundMethod<void(const WideString& eventName, TObject* arg)>;

  explicit TStoreSubscriber(THandler handler);
  // Withdraws.
  ~TStoreSubscriber() override;

  // Registers for `object`'s own event `name` on the object's store, after withdrawing from
  // another store it used before. Fails as TSWObject::Subscribe does without a store.
  void SubscribeTo(TSWObject& object, const WideString& name);
  // Removes every handler registered through this subscriber.
  void Withdraw();

 protected:
  void ComponentFreed(TComponent* component) override;

 private:
  void Receive(TSWConfig* sender, const WideString& eventName, TObject* arg);

  THandler handler_;
  TSWConfig* store_ = nullptr;
};
