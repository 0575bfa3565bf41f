#pragma once
// An object hash for registries that lose items from anywhere, often: a delete leaves a hole
// instead of moving every later item down, and the holes are closed together once they
// outnumber the items, so adding, finding and deleting cost the same at any size. Keys are
// compared without regard to letter case; of several items with one key the last is found.
//
// Items are addressed by position. A position stays valid until the next Delete or Compact;
// Compact closes the holes, after which positions 0 to Count() - 1 are the items in order.
#include <memory>
#include <vector>

#include "base/tobject.h"
#include "containers/index_table.h"

class TSparseObjectHash {
 public:
  // An owning hash frees (FreeObject) an object when its item goes, and what is left at the end.
  explicit TSparseObjectHash(bool ownsObjects) : ownsObjects_(ownsObjects) {}
  ~TSparseObjectHash();
  TSparseObjectHash(const TSparseObjectHash&) = delete;
  TSparseObjectHash& operator=(const TSparseObjectHash&) = delete;

  // Appends; returns the item's position.
  int AddObject(const WideString& key, TObject* object);
  // The position of the last item with that key, or -1.
  int IndexOf(WideStringView key) const;
  // The position of the last item whose key is `name`, "=" and anything, or -1.
  int IndexOfName(WideStringView name) const;
  // The object of the item IndexOf finds, or nullptr.
  TObject* Find(WideStringView key) const;

  const WideString& Strings(int position) const { return items_[position].Key; }
  TObject* Objects(int position) const { return items_[position].Object; }
  // Items, holes not counted.
  int Count() const { return static_cast<int>(items_.size()) - holes_; }

  // The item leaves the hash before its object is freed.
  void Delete(int position);
  // Frees every owned object, passing on the first failure once all are released.
  void Clear();
  void Compact();

 private:
  struct TItem {
    WideString Key;
    TObject* Object;
    bool Present;
  };

  static int Lookup(const std::vector<TItem>& items, const TIndexTable& table, bool byName,
                    WideStringView key);
  // Builds the names' table on first use: most registries are never asked by name.
  const TIndexTable& Names() const;
  void Reindex();

  std::vector<TItem> items_;
  int holes_ = 0;
  TIndexTable keys_;
  mutable std::unique_ptr<TIndexTable> names_;
  bool ownsObjects_;
};
