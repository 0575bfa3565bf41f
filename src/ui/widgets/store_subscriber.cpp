#include "ui/widgets/store_subscriber.h"

#include "config/config_store.h"
#include "config/sw_object.h"

SW_CLASS_DEFINE(TStoreSubscriber, TComponent)

TStoreSubscriber::TStoreSubscriber(THandler handler) : handler_(handler) {}

TStoreSubscriber::~TStoreSubscriber() {
  RunDeferringErrors([this] { Withdraw(); });
}

void TStoreSubscriber::SubscribeTo(TSWObject& object, const WideString& name) {
  TSWConfig* store = object.GetConfig();
  if (store != nullptr && store != store_) Withdraw();
  object.Subscribe(name, TSWEventHandler::Of<&TStoreSubscriber::Receive>(this));
  store_ = store;
  FreeNotification(store);
}

void TStoreSubscriber::Withdraw() {
  if (store_ != nullptr) store_->Events().RemoveHandlersOf(this);
}

void TStoreSubscriber::ComponentFreed(TComponent* component) {
  if (component == store_) store_ = nullptr;
}

void TStoreSubscriber::Receive(TSWConfig* /*sender*/, const WideString& eventName, TObject* arg) {
  handler_(eventName, arg);
}
