#pragma once
// The base of every configurable game object (cells, the objects in their slots, abilities and
// ability links): access to its configuration store, object-scoped events, and the clean-up that
// every game object owes the store when it goes.
//
// That clean-up raises "free" (handlers see the object whole), then removes every handler bound
// to the object and every event scoped to it, then withdraws its bonus contributions. It needs
// the store, which only the object's family can tell (GetConfig), and it must see the object
// whole, so it runs in BeforeDestruction: game objects are released with FreeObject, by an
// owning object hash or a TOwned pointer, never by a plain delete. A "free" handler that fails
// does not stop the clean-up; its error reaches whoever released the object.
#include "base/object_release.h"
#include "base/tobject.h"
#include "config/event_handler.h"

class TSWConfig;

class TSWObject : public TObject {
  SW_CLASS(TSWObject)

  // The store the object belongs to, answered through what owns it; nullptr while its owner is
  // not wired to one, and then the object raises nothing and its clean-up has nothing to do.
  virtual TSWConfig* GetConfig() const = 0;

  // Raises the object's own event `name` on the store's registry; without `arg` the object itself
  // is the argument.
  virtual void RaiseEvent(const WideString& name, TObject* arg = nullptr);
  // Registers `handler` for the object's own event `name`. Fails with
  // "%s.Subscribe(%s) needs a configuration store." (EInvalidOperation) when there is none.
  void Subscribe(const WideString& name, const TSWEventHandler& handler);

  // The clean-up that runs while the object is still whole: raise "free", withdraw every handler
  // and scoped event, withdraw the bonuses. Families extend it with their own first steps and
  // then call their parent's, each step running even when an earlier one failed.
  void BeforeDestruction() override;

 protected:
  TSWObject() = default;
};
