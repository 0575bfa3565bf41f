#include "map/map_cell_slots.h"

#include "config/event_names.h"
#include "config/object_factory.h"
#include "game/flower.h"
#include "map/basic_map.h"
#include "map/map_cell.h"
#include "map/map_cells.h"

SW_CLASS_DEFINE(TSWMapCellSlots, TObjectHash)

namespace {

int ComparePaintOrder(const TStringListW& list, int index1, int index2) {
  return static_cast<TSWFlower*>(list.Objects(index1))->PaintOrder() -
         static_cast<TSWFlower*>(list.Objects(index2))->PaintOrder();
}

}  // namespace

TSWMapCellSlots::TSWMapCellSlots(TSWMapCell* cell) : TObjectHash(true), cell_(cell) {}

TSWConfig* TSWMapCellSlots::Config() const { return cell_->GetConfig(); }

TSWFlower* TSWMapCellSlots::Find(WideStringView kind) const {
  return static_cast<TSWFlower*>(TObjectHash::Find(kind));
}

TSWFlower& TSWMapCellSlots::Flowers(int index) const {
  return *static_cast<TSWFlower*>(Objects(index));
}

void TSWMapCellSlots::Add(const WideString& spec, TObject* player) {
  const TTypeSpec type = CreateFrom(spec, TSWFlower::StaticClass());
  std::unique_ptr<TSWFlower> object = CreateFlower(*type.Class, this, player);
  object->LoadFrom(type.Params);
  const WideString kind = object->GetKind();
  Remove(kind);
  TSWFlower* added = object.get();
  AddObject(kind, object.release());
  cell_->RaiseEvent(kEventSlotAdd, added);
  SortByPaintOrder();
  Refresh();
}

void TSWMapCellSlots::Remove(const WideString& kind) {
  if (kind.empty())
    RemoveAll();
  else
    RemoveOne(kind);
  Refresh();
}

void TSWMapCellSlots::RemoveOne(const WideString& kind) {
  cell_->RaiseEvent(kEventSlotDelete, Find(kind));
  // Looked up again: the event's handlers may have changed the slots.
  const int index = IndexOf(kind);
  if (index >= 0) Delete(index);
}

void TSWMapCellSlots::RemoveAll() {
  for (int i = 0; i < Count(); ++i) cell_->RaiseEvent(kEventSlotDelete, Objects(i));
  Clear();
}

void TSWMapCellSlots::SortByPaintOrder() { CustomSort(ComparePaintOrder); }

void TSWMapCellSlots::Refresh() {
  for (int i = 0; i < Count(); ++i) Flowers(i).InvalidateCells();
  if (TSWBasicMap* map = cell_->Cells().Map()) map->PaintCellAt(cell_->X(), cell_->Y());
}

size_t TSWMapCellSlots::MemorySize() const {
  size_t size = InstanceSize();
  for (int i = 0; i < Count(); ++i) size += Objects(i)->InstanceSize();
  return size;
}
