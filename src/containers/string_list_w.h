#pragma once
// The array-backed string list: optionally sorted, with duplicate rules and change notifications.
#include <memory>
#include <vector>

#include "base/bound_method.h"
#include "containers/strings_w.h"

// What adding a string equal to one already in a sorted list does.
enum TDuplicates : int { dupIgnore = 0, dupAccept = 1, dupError = 2 };

class TStringListW;
// Negative, zero or positive as item `index1` sorts before, with or after item `index2`.
using TStringListSortCompare = int (*)(const TStringListW& list, int index1, int index2);

class TStringListW : public TStringsW {
  SW_CLASS(TStringListW)

  TStringListW() = default;

  int Count() const override { return static_cast<int>(items_.size()); }
  const WideString& Strings(int index) const override;
  // Fails with "Operation not allowed on sorted list" on a sorted list.
  void SetStrings(int index, const WideString& s) override;
  TObject* Objects(int index) const override;
  void SetObjects(int index, TObject* object) override;

  // Appends, or on a sorted list inserts at the position Find gives; an equal string makes
  // dupIgnore return the existing index and dupError fail with
  // "String list does not allow duplicates".
  int AddObject(const WideString& s, TObject* object) override;
  // Fails with "Operation not allowed on sorted list" on a sorted list.
  void InsertObject(int index, const WideString& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;

  // On a sorted list a binary search, otherwise the first equal item.
  int IndexOf(WideStringView s) const override;
  // Binary search: true when found. `index` is the item found, or where `s` would go; with
  // dupAccept it is the first of several equal items.
  bool Find(WideStringView s, int& index) const;

  void Exchange(int index1, int index2);
  // Moves one item (with its object) so that it ends up at `newIndex`; fails with
  // "Operation not allowed on sorted list" on a sorted list, where the position is not free.
  void Move(int curIndex, int newIndex);
  // Both leave a sorted list alone: it is in order already.
  void Sort();
  void CustomSort(TStringListSortCompare compare);

  // Allocated items; grows by a quarter above 64, by 16 above 8, else by 4.
  int Capacity() const { return capacity_; }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
  bool CaseSensitive() const { return caseSensitive_; }
  // A sorted list is sorted again under the new comparison.
  virtual void SetCaseSensitive(bool caseSensitive);

  // Called before / after every change, unless an update is in progress.
  const TNotifyEvent& OnChanging() const;
  void SetOnChanging(TNotifyEvent handler) { Handlers().OnChanging = handler; }
  const TNotifyEvent& OnChange() const;
  void SetOnChange(TNotifyEvent handler) { Handlers().OnChange = handler; }

 protected:
  void SetUpdateState(bool updating) override;
  int CompareStrings(WideStringView a, WideStringView b) const override;
  // Around every change of content or order, inside an update too.
  virtual void Changing();
  virtual void Changed();
  // What changed, for lists that index their items, inside an update too: an item now at
  // `index` (later ones moved up), an item at `index` about to go (later ones will move down),
  // or strings or order changed in ways the two do not tell.
  virtual void ItemInserted(int /*index*/) {}
  virtual void ItemDeleting(int /*index*/) {}
  virtual void ItemsRearranged() {}

 private:
  struct TStringItem {
    WideString String;
    TObject* Object;
  };
  // Made when a handler is first set: few of the many small lists are watched.
  struct TChangeHandlers {
    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;
  };

  // Fails unless 0 <= index < limit.
  static void CheckIndex(int index, int limit);
  static void CheckNotSorted(bool sorted);
  void InsertItem(int index, const WideString& s, TObject* object);
  TChangeHandlers& Handlers();
  void Grow();
  void SortItems(TStringListSortCompare compare);
  static int CompareItems(const TStringListW& list, int index1, int index2);

  std::vector<TStringItem> items_;
  int capacity_ = 0;
  TDuplicates duplicates_ = dupIgnore;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  std::unique_ptr<TChangeHandlers> handlers_;
};
