#pragma once
// The base of every configurable game object (cells, the objects in their slots, abilities and
// ability links): access to its configuration store, object-scoped events, and the clean-up that
// every game object owes the store when it goes.
//
// That clean-up raises "free" (handlers see the object whole), then removes every handler bound
// to the object and every event scoped to it, then withdraws its bonus contributions. It needs
// the store, which only the object's family can tell (GetConfig), and it must see the object
// whole, so it cannot run in a destructor: by then the derived parts are gone. It runs instead in
// the class's own deallocation function, before any destructor: deleting a game object through
// any pointer (TObject*, an owning object hash, a unique_ptr) goes through it, so no owner can
// forget it. Game objects therefore live on the heap, with TSWObject as their first base. A
// failure inside the clean-up ends the program, as any failure while destroying does.
#include <new>

#include "base/tobject.h"
#include "config/bound_method.h"

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

  // Runs the store clean-up, then the destructors, then frees the memory.
  void operator delete(TSWObject* object, std::destroying_delete_t);

 protected:
  TSWObject() = default;

  // The clean-up that runs while the object is still whole: raise "free", withdraw every handler
  // and scoped event, withdraw the bonuses. Families extend it with their own first steps and
  // then call their parent's.
  virtual void BeforeDestruction();
};
