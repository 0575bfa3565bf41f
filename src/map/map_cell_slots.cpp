#include "map/map_cell_slots.h"

#include "config/event_names.h"
#include "config/object_factory.h"
#include "map/basic_map.h"
#include "map/map_cell.h"
#include "map/map_cells.h"

SW_CLASS_DEFINE(TSWMapCellSlots, TObjectHash)

namespace {

int ComparePaintOrder(const TStringListW& list, int index1, int index2) {
  return static_cast<TSWCellObject*>(list.Objects(index1))->PaintOrder() -
         static_cast<TSWCellObject*>(list.Objects(index2))->PaintOrder();
}

}  // namespace

TSWMapCellSlots::TSWMapCellSlots(TSWMapCell* cell) : TObjectHash(true), cell_(cell) {}

TSWConfig* TSWMapCellSlots::Config() const { return cell_->GetConfig(); }

TSWCellObject* TSWMapCellSlots::FindObject(WideStringView kind) const {
  return static_cast<TSWCellObject*>(TObjectHash::Find(kind));
}

TSWCellObject& TSWMapCellSlots::SlotObject(int index) const {
  return *static_cast<TSWCellObject*>(Objects(index));
}

void TSWMapCellSlots::Add(const WideString& spec, TObject* player) {
  const TTypeSpec type = CreateFrom(spec, CellObjectFamily());
  TOwned<TSWCellObject> object = CreateCellObject(*type.Class, this, player);
  object->LoadFrom(type.Params);
  const WideString kind = object->GetKind();
  Remove(kind);
  TSWCellObject& added = AddOwned(kind, std::move(object));
  cell_->RaiseEvent(kEventSlotAdd, &added);
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
  cell_->RaiseEvent(kEventSlotDelete, FindObject(kind));
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
  for (int i = 0; i < Count(); ++i) SlotObject(i).InvalidateCells();
  if (TSWBasicMap* map = cell_->Cells().Map()) map->PaintCellAt(cell_->X(), cell_->Y());
}

size_t TSWMapCellSlots::MemorySize() const {
  size_t size = InstanceSize();
  for (int i = 0; i < Count(); ++i) size += Objects(i)->InstanceSize();
  return size;
}
