#pragma once
// A hashed list of name/object pairs with lookup of an object by name. An owning hash frees an
// object (FreeObject) when its item goes: on Delete, on Clear, when the item's object is replaced
// by a different one, and when the hash itself is destroyed. A failing clean-up propagates once
// every object concerned is released; from the destructor it is deferred.
#include <memory>

#include "base/object_release.h"
#include "containers/hashed_string_list_w.h"

class TObjectHash : public THashedStringListW {
  SW_CLASS(TObjectHash)

  TObjectHash() : TObjectHash(true) {}
  explicit TObjectHash(bool ownsObjects) : ownsObjects_(ownsObjects) {}
  ~TObjectHash() override;

  bool OwnsObjects() const { return ownsObjects_; }
  void SetOwnsObjects(bool ownsObjects) { ownsObjects_ = ownsObjects; }

  // Adds `object` under `name` and hands it over: to the hash when it owns its objects, else to
  // whoever frees the registry's entries. A failed add frees it.
  template <class T, class Deleter>
  T& AddOwned(const WideString& name, std::unique_ptr<T, Deleter> object) {
    T& added = *object;
    AddObject(name, &added);
    object.release();
    return added;
  }

  using THashedStringListW::Find;
  // The object of the item IndexOf finds (the last of that name), or nullptr.
  TObject* Find(WideStringView name) const;

  // An owned object leaves the list before it is freed, so its destructor sees a consistent list.
  void SetObjects(int index, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;

 private:
  bool ownsObjects_;
};
