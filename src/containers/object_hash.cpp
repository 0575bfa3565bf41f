#include "containers/object_hash.h"

#include <vector>

SW_CLASS_DEFINE(TObjectHash, THashedStringListW)

TObjectHash::~TObjectHash() {
  // Nobody listens to a list that is going away.
  SetOnChanging({});
  SetOnChange({});
  RunDeferringErrors([this] { Clear(); });
}

TObject* TObjectHash::Find(WideStringView name) const {
  const int index = IndexOf(name);
  return index < 0 ? nullptr : Objects(index);
}

void TObjectHash::SetObjects(int index, TObject* object) {
  TObject* const old = Objects(index);
  THashedStringListW::SetObjects(index, object);
  if (ownsObjects_ && old != object) FreeObject(old);
}

void TObjectHash::Delete(int index) {
  TObject* const old = Objects(index);
  THashedStringListW::Delete(index);
  if (ownsObjects_) FreeObject(old);
}

void TObjectHash::Clear() {
  std::vector<TObject*> owned;
  if (ownsObjects_) {
    owned.reserve(Count());
    for (int i = 0; i < Count(); ++i) owned.push_back(Objects(i));
  }
  THashedStringListW::Clear();
  TFirstError errors;
  for (TObject* object : owned) errors.Run([object] { FreeObject(object); });
  errors.Rethrow();
}
