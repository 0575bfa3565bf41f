#include "containers/index_table.h"

#include <algorithm>
#include <bit>

namespace {

constexpr size_t kMinSlots = 16;

}  // namespace

void TIndexTable::Insert(uint32_t hash, int position) {
  if (static_cast<size_t>(size_ + 1) * 2 > slots_.size())
    Rehash(std::max(kMinSlots, slots_.size() * 2));
  Place({hash, position});
  ++size_;
}

void TIndexTable::Place(TSlot slot) {
  size_t i = slot.Hash & Mask();
  while (slots_[i].Position != kEmpty) i = (i + 1) & Mask();
  slots_[i] = slot;
}

void TIndexTable::Erase(uint32_t hash, int position) {
  size_t hole = hash & Mask();
  while (slots_[hole].Position != position) hole = (hole + 1) & Mask();
  // Moves back every later entry of the run that may live in the hole, so that no run is broken
  // and no tombstone is needed.
  for (size_t next = (hole + 1) & Mask(); slots_[next].Position != kEmpty;
       next = (next + 1) & Mask()) {
    const size_t home = slots_[next].Hash & Mask();
    const bool homeAfterHole =
        hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
    if (homeAfterHole) continue;
    slots_[hole] = slots_[next];
    hole = next;
  }
  slots_[hole].Position = kEmpty;
  --size_;
}

void TIndexTable::Shift(int first, int delta) {
  for (TSlot& slot : slots_)
    if (slot.Position >= first) slot.Position += delta;
}

void TIndexTable::Reserve(int count) {
  if (count == 0) return;
  const size_t wanted = std::bit_ceil(static_cast<size_t>(count) * 2);
  if (wanted > slots_.size()) Rehash(std::max(kMinSlots, wanted));
}

void TIndexTable::Rehash(size_t slotCount) {
  std::vector<TSlot> old(slotCount, TSlot{0, kEmpty});
  old.swap(slots_);
  for (const TSlot& slot : old)
    if (slot.Position != kEmpty) Place(slot);
}
