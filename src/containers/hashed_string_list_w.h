#pragma once
// A string list whose lookups by string and by name go through hash tables. Of several equal
// keys the last item in the list is found. A table is made on the first lookup of its kind that
// a short list cannot answer by a scan, and from then on follows every append and delete (the
// positions after a deleted or inserted item move with it); changes of order, of strings in place
// or of the comparison drop it, to be made again at the next lookup. A list never looked up, or
// short enough to scan, carries no table at all.
#include <array>
#include <memory>

#include "containers/index_table.h"
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
  void ItemInserted(int index) override;
  void ItemDeleting(int index) override;
  void ItemsRearranged() override;

 private:
  // What an item is looked up by: its whole string, or its name.
  enum TKeyKind { kWholeKey, kNameKey, kKeyKinds };

  // False when the item has no key of that kind (no separator, for names).
  bool KeyOf(TKeyKind kind, int index, WideStringView& key) const;
  bool Matches(TKeyKind kind, int index, WideStringView key) const;
  uint32_t HashOf(WideStringView key) const;
  int Lookup(TKeyKind kind, WideStringView key) const;
  void BuildTable(TKeyKind kind) const;

  mutable std::array<std::unique_ptr<TIndexTable>, kKeyKinds> tables_;
};
