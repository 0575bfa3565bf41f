#pragma once
// Positions of list items, found by hash: open addressing with linear probing, at most half
// full, so a lookup reads a short run of adjacent slots. Several positions may share a hash or a
// key; the owner's `matches` tells which ones hold the key looked for. The table keeps no keys,
// only each position's hash, so an item's key may be read from wherever the owner keeps it.
#include <cstddef>
#include <cstdint>
#include <vector>

class TIndexTable {
 public:
  // The largest position stored under `hash` that `matches(position)` accepts, or -1.
  template <class Matches>
  int FindLast(uint32_t hash, Matches matches) const;

  void Insert(uint32_t hash, int position);
  // Removes the entry of `position`, which must be stored under `hash`.
  void Erase(uint32_t hash, int position);
  // Adds `delta` to every stored position from `first` on: items moved up or down in their list.
  void Shift(int first, int delta);
  // Room for `count` entries without growing.
  void Reserve(int count);

 private:
  struct TSlot {
    uint32_t Hash;
    int32_t Position;  // kEmpty for a free slot
  };
  static constexpr int32_t kEmpty = -1;

  size_t Mask() const { return slots_.size() - 1; }
  void Rehash(size_t slotCount);
  void Place(TSlot slot);

  std::vector<TSlot> slots_;
  int size_ = 0;
};

template <class Matches>
int TIndexTable::FindLast(uint32_t hash, Matches matches) const {
  if (slots_.empty()) return -1;
  int found = -1;
  // Equal keys may lie anywhere in the run, so the whole run is read.
  for (size_t i = hash & Mask(); slots_[i].Position != kEmpty; i = (i + 1) & Mask()) {
    const TSlot& slot = slots_[i];
    if (slot.Hash == hash && slot.Position > found && matches(slot.Position)) found = slot.Position;
  }
  return found;
}
