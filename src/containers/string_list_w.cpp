#include "containers/string_list_w.h"

#include <algorithm>
#include <numeric>

#include "base/errors.h"
#include "containers/collation.h"

SW_CLASS_DEFINE(TStringListW, TStringsW)

void TStringListW::CheckIndex(int index, int limit) {
  if (index < 0 || index >= limit)
    Raise<EStringListError>(u"List index out of bounds (%d)", {index});
}

void TStringListW::CheckNotSorted(bool sorted) {
  if (sorted) Raise<EStringListError>(u"Operation not allowed on sorted list");
}

const WideString& TStringListW::Strings(int index) const {
  CheckIndex(index, Count());
  return items_[index].String;
}

void TStringListW::SetStrings(int index, const WideString& s) {
  CheckNotSorted(sorted_);
  CheckIndex(index, Count());
  Changing();
  items_[index].String = s;
  ItemsRearranged();
  Changed();
}

TObject* TStringListW::Objects(int index) const {
  CheckIndex(index, Count());
  return items_[index].Object;
}

void TStringListW::SetObjects(int index, TObject* object) {
  CheckIndex(index, Count());
  Changing();
  items_[index].Object = object;
  Changed();
}

int TStringListW::AddObject(const WideString& s, TObject* object) {
  int index = Count();
  if (sorted_ && Find(s, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) Raise<EStringListError>(u"String list does not allow duplicates");
  }
  InsertItem(index, s, object);
  return index;
}

void TStringListW::InsertObject(int index, const WideString& s, TObject* object) {
  CheckNotSorted(sorted_);
  CheckIndex(index, Count() + 1);
  InsertItem(index, s, object);
}

void TStringListW::InsertItem(int index, const WideString& s, TObject* object) {
  Changing();
  if (Count() == capacity_) Grow();
  items_.insert(items_.begin() + index, TStringItem{s, object});
  ItemInserted(index);
  Changed();
}

void TStringListW::Grow() {
  const int delta = capacity_ > 64 ? capacity_ / 4 : capacity_ > 8 ? 16 : 4;
  // Only the reported capacity steps this way: the items grow on demand, so the many lists
  // holding one or two entries do not keep room for four.
  capacity_ += delta;
}

void TStringListW::Delete(int index) {
  CheckIndex(index, Count());
  Changing();
  ItemDeleting(index);
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringListW::Clear() {
  if (items_.empty()) return;
  Changing();
  std::vector<TStringItem>().swap(items_);
  capacity_ = 0;
  ItemsRearranged();
  Changed();
}

int TStringListW::IndexOf(WideStringView s) const {
  if (!sorted_) return TStringsW::IndexOf(s);
  int index;
  return Find(s, index) ? index : -1;
}

bool TStringListW::Find(WideStringView s, int& index) const {
  bool found = false;
  int low = 0;
  int high = Count() - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int comparison = CompareStrings(items_[middle].String, s);
    if (comparison < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (comparison == 0) {
        found = true;
        if (duplicates_ != dupAccept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

void TStringListW::Exchange(int index1, int index2) {
  CheckIndex(index1, Count());
  CheckIndex(index2, Count());
  Changing();
  std::swap(items_[index1], items_[index2]);
  ItemsRearranged();
  Changed();
}

void TStringListW::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  CheckNotSorted(sorted_);
  CheckIndex(curIndex, Count());
  CheckIndex(newIndex, Count());
  Changing();
  const auto from = items_.begin() + curIndex;
  const auto to = items_.begin() + newIndex;
  if (curIndex < newIndex)
    std::rotate(from, from + 1, to + 1);
  else
    std::rotate(to, from, from + 1);
  ItemsRearranged();
  Changed();
}

int TStringListW::CompareItems(const TStringListW& list, int index1, int index2) {
  return list.CompareStrings(list.items_[index1].String, list.items_[index2].String);
}

void TStringListW::Sort() { CustomSort(CompareItems); }

void TStringListW::CustomSort(TStringListSortCompare compare) {
  if (!sorted_) SortItems(compare);
}

void TStringListW::SortItems(TStringListSortCompare compare) {
  if (Count() < 2) return;
  Changing();
  // The comparison names items by index, so the items stay in place while their order is
  // worked out, and move once at the end.
  std::vector<int> order(items_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return compare(*this, a, b) < 0; });
  std::vector<TStringItem> sorted;
  sorted.reserve(items_.size());
  for (int index : order) sorted.push_back(std::move(items_[index]));
  items_.swap(sorted);
  ItemsRearranged();
  Changed();
}

void TStringListW::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

void TStringListW::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == caseSensitive_) return;
  caseSensitive_ = caseSensitive;
  if (sorted_) SortItems(CompareItems);
}

void TStringListW::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

int TStringListW::CompareStrings(WideStringView a, WideStringView b) const {
  return CollateW(a, b, caseSensitive_);
}

const TNotifyEvent& TStringListW::OnChanging() const {
  static const TNotifyEvent none;
  return handlers_ ? handlers_->OnChanging : none;
}

const TNotifyEvent& TStringListW::OnChange() const {
  static const TNotifyEvent none;
  return handlers_ ? handlers_->OnChange : none;
}

TStringListW::TChangeHandlers& TStringListW::Handlers() {
  if (!handlers_) handlers_ = std::make_unique<TChangeHandlers>();
  return *handlers_;
}

void TStringListW::Changing() {
  if (!Updating() && handlers_ && handlers_->OnChanging) handlers_->OnChanging(this);
}

void TStringListW::Changed() {
  if (!Updating() && handlers_ && handlers_->OnChange) handlers_->OnChange(this);
}
