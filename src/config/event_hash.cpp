#include "config/event_hash.h"

#include <memory>

#include "base/errors.h"

SW_CLASS_DEFINE(TEventHash, TObject)

namespace {

constexpr char16_t kKeySeparator = u'=';
constexpr size_t kTokenLength = 2;

void AssignObjectEventKey(WideString& key, const TObject* source, WideStringView eventName) {
  key.assign(ObjectToken(source)).append(1, kKeySeparator).append(eventName);
}

}  // namespace

TEventHash::TEventHash(TSWConfig* sender) : sender_(sender) {}

TEventHash::~TEventHash() {
  const TSparseObjectHash& entries = Listing();
  for (int i = 0; i < entries.Count(); ++i)
    TEventHandlerList::Release(static_cast<TEventHandlerList*>(entries.Objects(i)));
}

const TSparseObjectHash& TEventHash::Listing() const {
  entries_.Compact();
  return entries_;
}

TEventHandlerList* TEventHash::FindList(WideStringView key) const {
  return static_cast<TEventHandlerList*>(entries_.Find(key));
}

TEventHandlerList& TEventHash::ListFor(const WideString& eventName) {
  if (TEventHandlerList* list = FindList(eventName)) return *list;
  // Released by ClearCallbacksOf or ~TEventHash.
  auto* list = new TEventHandlerList(eventName);
  entries_.AddObject(eventName, list);
  return *list;
}

void TEventHash::AddHandler(const WideString& eventName, const TSWEventHandler& handler) {
  TEventHandlerList& list = ListFor(eventName);
  if (list.Contains(handler)) return;
  list.Append(handler);
  RecordInTrail(eventName, handler);
}

void TEventHash::AddObjectHandler(const TObject* source, const WideString& eventName,
                                  const TSWEventHandler& handler) {
  WideString key;
  AssignObjectEventKey(key, source, eventName);
  AddHandler(key, handler);
}

void TEventHash::RecordInTrail(const WideString& eventName, const TSWEventHandler& handler) {
  const WideString token = ObjectToken(handler.Target());
  auto* subscriptions = As<TEventSubscriptions>(trail_.Find(token));
  if (!subscriptions) {
    subscriptions = new TEventSubscriptions;
    trail_.AddObject(token, subscriptions);
  }
  subscriptions->Items.push_back({eventName, std::make_unique<TEventHashItem>(handler)});
}

void TEventHash::RemoveHandler(const WideString& eventName, const TSWEventHandler& handler) {
  if (TEventHandlerList* list = FindList(eventName)) list->Remove(handler);
}

int TEventHash::IndexOfHandler(const WideString& eventName, const TSWEventHandler& handler) const {
  const TEventHandlerList* list = FindList(eventName);
  return list ? list->IndexOfHandler(handler) : -1;
}

void TEventHash::RaiseEvent(const WideString& eventName, TObject* arg) {
  if (TEventHandlerList* list = FindList(eventName)) list->Dispatch(sender_, eventName, arg);
}

void TEventHash::RaiseObjectEvent(const TObject* source, const WideString& eventName,
                                  TObject* arg) {
  AssignObjectEventKey(objectKey_, source, eventName);
  TEventHandlerList* list = FindList(objectKey_);
  if (!list) return;
  // The handlers need the key in storage that a nested raise does not overwrite: the entry's own
  // key when it is spelled as raised (as the game always does), else a copy.
  if (list->Key() == objectKey_)
    list->Dispatch(sender_, list->Key(), arg);
  else
    list->Dispatch(sender_, WideString(objectKey_), arg);
}

void TEventHash::ClearCallbacksOf(const TObject* object) {
  const WideString token = ObjectToken(object);
  RemoveTrailOf(token);
  DeleteObjectEntriesOf(token);
}

void TEventHash::RemoveHandlersOf(const TObject* subscriber) {
  RemoveTrailOf(ObjectToken(subscriber));
}

void TEventHash::RemoveTrailOf(const WideString& token) {
  const int index = trail_.IndexOf(token);
  if (index < 0) return;
  TObject* const found = trail_.Objects(index);
  const auto* subscriptions = As<TEventSubscriptions>(found);
  if (!subscriptions)
    Raise<EInvalidOperation>(u"ClearCallbacksOf - unexpected class (%s) of object trail item.",
                             {found ? found->ClassName() : WideString(u"nil")});
  for (const auto& subscription : subscriptions->Items)
    RemoveHandler(subscription.EventName, subscription.Item->Handler);
  // Nothing reads a walked trail again; keeping it would only grow with every object that dies.
  trail_.Delete(index);
}

void TEventHash::DeleteObjectEntriesOf(const WideString& token) {
  int index;
  while ((index = entries_.IndexOfName(token)) >= 0) {
    auto* const list = static_cast<TEventHandlerList*>(entries_.Objects(index));
    entries_.Delete(index);
    TEventHandlerList::Release(list);
  }
}

int TEventHash::HandlerCount(int index) const {
  return static_cast<const TEventHandlerList*>(Listing().Objects(index))->LiveCount();
}

bool IsObjectEvent(const WideString& eventName, const WideString& name) {
  return eventName.size() > kTokenLength + 1 && eventName[kTokenLength] == kKeySeparator &&
         (name.empty() || WideStringView(eventName).substr(kTokenLength + 1) == name);
}
