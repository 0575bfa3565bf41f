#pragma once
// A component of a window: named, with an owner, wired to other components by reference.
// Its creator makes it, calls BeginLoading, sets its properties and references, then calls
// Loaded; setters that would do work depending on other properties skip it while loading, and
// Loaded does it once everything is in place.
#include <vector>

#include "base/tobject.h"
#include "base/wide_string.h"

class TComponent : public TObject {
  SW_CLASS(TComponent)

  // The owner is only recorded: whoever creates a component keeps it alive.
  explicit TComponent(TComponent* owner = nullptr);
  // Tells every component that asked for it (FreeNotification) that this one goes.
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const WideString& Name() const { return name_; }
  void SetName(const WideString& name) { name_ = name; }

  bool Loading() const { return loading_; }
  void BeginLoading() { loading_ = true; }
  // Runs after every property was set; ends the loading state.
  virtual void Loaded();

  // From now on each of the two components is told by ComponentFreed when the other goes, so a
  // reference between them never outlives its target.
  void FreeNotification(TComponent* component);

 protected:
  // `component` is being destroyed: drop every reference to it.
  virtual void ComponentFreed(TComponent* /*component*/) {}

 private:
  void AddFreeNotify(TComponent* component);
  void RemoveFreeNotify(TComponent* component);

  TComponent* owner_;
  WideString name_;
  bool loading_ = false;
  std::vector<TComponent*> freeNotifies_;
};
