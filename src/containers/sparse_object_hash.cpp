#include "containers/sparse_object_hash.h"

#include "base/object_release.h"
#include "containers/key_hash.h"

namespace {

constexpr char16_t kNameSeparator = u'=';
constexpr bool kCaseSensitive = false;

// The part of `key` a table holds: the whole key, or the name before the first "=" (false when
// there is none).
bool KeyPart(bool byName, WideStringView key, WideStringView& part) {
  const size_t end = byName ? key.find(kNameSeparator) : key.size();
  part = key.substr(0, end);
  return end != WideStringView::npos;
}

void IndexItem(TIndexTable& table, bool byName, WideStringView key, int position) {
  WideStringView part;
  if (KeyPart(byName, key, part)) table.Insert(KeyHash(part, kCaseSensitive), position);
}

void UnindexItem(TIndexTable& table, bool byName, WideStringView key, int position) {
  WideStringView part;
  if (KeyPart(byName, key, part)) table.Erase(KeyHash(part, kCaseSensitive), position);
}

}  // namespace

TSparseObjectHash::~TSparseObjectHash() {
  RunDeferringErrors([this] { Clear(); });
}

int TSparseObjectHash::AddObject(const WideString& key, TObject* object) {
  items_.push_back({key, object, true});
  const int position = static_cast<int>(items_.size()) - 1;
  IndexItem(keys_, false, key, position);
  if (names_) IndexItem(*names_, true, key, position);
  return position;
}

int TSparseObjectHash::Lookup(const std::vector<TItem>& items, const TIndexTable& table,
                              bool byName, WideStringView key) {
  return table.FindLast(KeyHash(key, kCaseSensitive), [&](int position) {
    WideStringView part;
    return KeyPart(byName, items[position].Key, part) && SameKey(part, key, kCaseSensitive);
  });
}

const TIndexTable& TSparseObjectHash::Names() const {
  if (!names_) {
    names_ = std::make_unique<TIndexTable>();
    names_->Reserve(Count());
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
      if (items_[i].Present) IndexItem(*names_, true, items_[i].Key, i);
  }
  return *names_;
}

int TSparseObjectHash::IndexOf(WideStringView key) const {
  return Lookup(items_, keys_, false, key);
}

int TSparseObjectHash::IndexOfName(WideStringView name) const {
  return Lookup(items_, Names(), true, name);
}

TObject* TSparseObjectHash::Find(WideStringView key) const {
  const int position = IndexOf(key);
  return position < 0 ? nullptr : items_[position].Object;
}

void TSparseObjectHash::Delete(int position) {
  TItem& item = items_[position];
  UnindexItem(keys_, false, item.Key, position);
  if (names_) UnindexItem(*names_, true, item.Key, position);
  TObject* const object = item.Object;
  item = {WideString(), nullptr, false};
  ++holes_;
  // Closing the holes costs one pass over the items, paid for by the deletes that made them.
  if (holes_ > Count()) Compact();
  if (ownsObjects_) FreeObject(object);
}

void TSparseObjectHash::Compact() {
  if (holes_ == 0) return;
  std::erase_if(items_, [](const TItem& item) { return !item.Present; });
  holes_ = 0;
  Reindex();
}

void TSparseObjectHash::Reindex() {
  keys_ = TIndexTable();
  keys_.Reserve(Count());
  if (names_) {
    names_ = std::make_unique<TIndexTable>();
    names_->Reserve(Count());
  }
  for (int i = 0; i < Count(); ++i) {
    IndexItem(keys_, false, items_[i].Key, i);
    if (names_) IndexItem(*names_, true, items_[i].Key, i);
  }
}

void TSparseObjectHash::Clear() {
  std::vector<TItem> items;
  items.swap(items_);
  holes_ = 0;
  Reindex();
  if (!ownsObjects_) return;
  TFirstError errors;
  for (const TItem& item : items) errors.Run([&] { FreeObject(item.Object); });
  errors.Rethrow();
}
