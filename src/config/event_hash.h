#pragma once
// The event registry: handlers registered by event key, raised newest first. An object-scoped
// key is the object's token, "=" and the event name. A trail remembers, per subscriber, what it
// registered, so ClearCallbacksOf removes all of it when the subscriber goes away.
//
// The registry takes no lock; it is used from one thread at a time.
#include "config/event_handler_list.h"
#include "config/event_subscriptions.h"
#include "containers/sparse_object_hash.h"

class TEventHash : public TObject {
  SW_CLASS(TEventHash)

  explicit TEventHash(TSWConfig* sender);
  ~TEventHash() override;

  // Passed as the sender to every handler.
  TSWConfig* Sender() const { return sender_; }

  // A handler already registered for the key is not added again. The handler must be bound to
  // an object: the trail is kept by that object's token.
  void AddHandler(const WideString& eventName, const TSWEventHandler& handler);
  void AddObjectHandler(const TObject* source, const WideString& eventName,
                        const TSWEventHandler& handler);
  // The key's entry stays, possibly empty; the trail is not touched.
  void RemoveHandler(const WideString& eventName, const TSWEventHandler& handler);
  // The position among the key's live handlers, or -1.
  int IndexOfHandler(const WideString& eventName, const TSWEventHandler& handler) const;

  // Calls the key's handlers, the last registered first, with the key exactly as raised; a key
  // nobody registered does nothing. A handler's failure ends the dispatch and propagates.
  // Allocates nothing.
  void RaiseEvent(const WideString& eventName, TObject* arg);
  void RaiseObjectEvent(const TObject* source, const WideString& eventName, TObject* arg);

  // Removes every handler bound to `object` and every object-scoped entry of `object`, with the
  // handlers others registered there. Fails with "ClearCallbacksOf - unexpected class (%s) of
  // object trail item." (EInvalidOperation) when the object's trail entry is not an object hash.
  void ClearCallbacksOf(const TObject* object);
  // Removes every handler bound to `subscriber`, leaving the entries of its own events (and what
  // others registered there) in place. Fails as ClearCallbacksOf does.
  void RemoveHandlersOf(const TObject* subscriber);

  // For the debug listing: the keys in registration order with their live handler counts.
  int Count() const { return entries_.Count(); }
  const WideString& Strings(int index) const { return Listing().Strings(index); }
  int HandlerCount(int index) const;

  // Subscriber token to what it registered (TEventSubscriptions).
  TSparseObjectHash& Trail() { return trail_; }

 private:
  TEventHandlerList* FindList(WideStringView key) const;
  // The entries with their holes closed, so that positions count from 0 in order.
  const TSparseObjectHash& Listing() const;
  TEventHandlerList& ListFor(const WideString& eventName);
  void RecordInTrail(const WideString& eventName, const TSWEventHandler& handler);
  void RemoveTrailOf(const WideString& token);
  void DeleteObjectEntriesOf(const WideString& token);

  TSWConfig* sender_;
  // Not owning: a list outlives its entry while a dispatch still runs over it. Closing its holes
  // for the listing moves only the entries, never a list.
  mutable TSparseObjectHash entries_{false};
  TSparseObjectHash trail_{true};
  // Reused for every object-scoped raise, so building the key allocates nothing once grown.
  WideString objectKey_;
};

// True when `eventName` is longer than 3 characters, its third is "=", and (unless `name` is
// empty) the text from the fourth on equals `name`.
bool IsObjectEvent(const WideString& eventName, const WideString& name);
