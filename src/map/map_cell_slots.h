#pragma once
// The objects on one cell, at most one per slot name: each object lives under the name its
// GetKind gives ("flower", "weed", "light", ...). Entries are kept in ascending paint order, the
// order in which the cell draws them. The container owns its objects.
#include <cstddef>

#include "containers/object_hash.h"
#include "map/cell_object.h"

class TSWConfig;
class TSWFlower;
class TSWMapCell;

class TSWMapCellSlots : public TObjectHash {
  SW_CLASS(TSWMapCellSlots)

  explicit TSWMapCellSlots(TSWMapCell* cell);

  TSWMapCell& Cell() const { return *cell_; }
  // The store of the cell, asked each time: the map may be wired to its store after the cell
  // was made, and the objects must always reach the current one.
  TSWConfig* Config() const;

  // True when no object occupies the slot (names compare without regard to case).
  bool IsFree(WideStringView kind) const { return IndexOf(kind) < 0; }
  TSWCellObject* FindObject(WideStringView kind) const;
  // The object at `index` in slot order.
  TSWCellObject& SlotObject(int index) const;
  // The same, as the game's object class (T completes it where it is used).
  template <class T = TSWFlower>
  T* Find(WideStringView kind) const {
    return static_cast<T*>(FindObject(kind));
  }
  template <class T = TSWFlower>
  T& Flowers(int index) const {
    return static_cast<T&>(SlotObject(index));
  }

  // Makes an object from `spec` (a kind word and comma-separated parameters) for `player`, loads
  // it and puts it in its slot, replacing the slot's object with its "slot delete" event. Then
  // the cell raises "slot add" with the object, the entries are sorted by paint order, every
  // object repaints the cells it affects and the map repaints this cell. When making or loading
  // fails, the error propagates and the container is unchanged. The object replaced may be the
  // caller: a growing seed is destroyed here, and must not touch itself afterwards.
  void Add(const WideString& spec, TObject* player);
  // Raises "slot delete" for the slot's object (the cell itself when the slot is empty) and
  // destroys it; an empty `kind` does so for every slot, first to last, and destroys them all
  // afterwards. Then every remaining object repaints the cells it affects and the map repaints
  // this cell.
  void Remove(const WideString& kind);

  // The container's instance size and that of each object.
  size_t MemorySize() const;

 private:
  void RemoveOne(const WideString& kind);
  void RemoveAll();
  void SortByPaintOrder();
  // Each object's InvalidateCells, then a repaint of this cell.
  void Refresh();

  TSWMapCell* cell_;
};
