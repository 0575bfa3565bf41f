#include "containers/object_hash.h"

#include <vector>

SW_CLASS_DEFINE(TObjectHash, THashedStringListW)

TObjectHash::~TObjectHash() {
  // Nobody listens to a list that is going away.
  SetOnChanging({});
  SetOnChange({});
  Clear();
}

TObject* TObjectHash::Find(WideStringView name) const {
  const int index = IndexOf(name);
  return index < 0 ? nullptr : Objects(index);
}

void TObjectHash::SetObjects(int index, TObject* object) {
  TObject* const old = Objects(index);
  THashedStringListW::SetObjects(index, object);
  if (ownsObjects_ && old != object) delete old;
}

void TObjectHash::Delete(int index) {
  TObject* const old = Objects(index);
  THashedStringListW::Delete(index);
  if (ownsObjects_) delete old;
}

void TObjectHash::Clear() {
  std::vector<TObject*> owned;
  if (ownsObjects_) {
    owned.reserve(Count());
    for (int i = 0; i < Count(); ++i) owned.push_back(Objects(i));
  }
  THashedStringListW::Clear();
  for (TObject* object : owned) delete object;
}
