#pragma once
// A string list whose lookups by string and by name go through hash tables. Both tables are
// rebuilt lazily, on the first lookup after a change, so a burst of changes costs one rebuild.
// Of several equal keys the last item in the list is found.
#include "containers/string_hash_w.h"
#include "containers/string_list_w.h"

class THashedStringListW : public TStringListW {
  SW_CLASS(THashedStringListW)

  THashedStringListW() = default;

  int IndexOf(WideStringView s) const override;
  // Only items that contain the separator have a name.
  int IndexOfName(WideStringView name) const override;

  void SetCaseSensitive(bool caseSensitive) override;
  void SetNameValueSeparator(char16_t separator) override;

 protected:
  void Changed() override;

 private:
  void Invalidate();
  // Keys are upper-cased unless the list is case-sensitive.
  WideString KeyOf(WideStringView text) const;
  int Lookup(const TStringHashW& hash, WideStringView key) const;
  void RebuildValueHash() const;
  void RebuildNameHash() const;

  mutable TStringHashW valueHash_;
  mutable TStringHashW nameHash_;
  mutable bool valueHashValid_ = false;
  mutable bool nameHashValid_ = false;
};
