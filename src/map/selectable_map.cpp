#include "map/selectable_map.h"

#include "base/errors.h"
#include "map/coords_list.h"
#include "map/map_cell.h"

SW_CLASS_DEFINE(TSWSelectableMap, TSWInteractiveMap)

TSWSelectableMap::TSWSelectableMap(TComponent* owner)
    : TSWInteractiveMap(owner), selection_(std::make_unique<TCoordsList>()) {}

TSWSelectableMap::~TSWSelectableMap() = default;

void TSWSelectableMap::BeginSelection() {
  if (selecting_) Raise<EInvalidOperation>(u"Map %s is already performing a selection.", {Name()});
  selecting_ = true;
  selection_->Clear();
}

void TSWSelectableMap::StartSelection() {
  if (!selecting_) BeginSelection();
  Invalidate();
}

void TSWSelectableMap::EndSelection() {
  if (!selecting_)
    Raise<EInvalidOperation>(u"%s.EndSelection failed because no selection was underway.",
                             {Name()});
  selecting_ = false;
  Invalidate();
}

void TSWSelectableMap::FinishSelection() {
  EndSelection();
  if (onSelectionDone_) onSelectionDone_(this);
}

void TSWSelectableMap::AddToSelection(const TSWMapCell& cell) {
  selection_->Add(cell.X(), cell.Y());
  if (selection_->Count() >= requiredCount_) FinishSelection();
}

void TSWSelectableMap::MouseUp(TMouseButton button, int x, int y, TShiftState shift) {
  if (selecting_ && button == TMouseButton::Left && shift == 0) {
    const TSWMapCell* cell = CellAtPixel(x, y);
    if (cell != nullptr && Accepts(*cell)) AddToSelection(*cell);
    return;
  }
  TSWInteractiveMap::MouseUp(button, x, y, shift);
}

bool TSWSelectableMap::IsCellNonSelectable(const TSWMapCell& cell) const {
  return selecting_ && !Accepts(cell);
}

// A selection started without a filter lets every cell be picked rather than calling nothing.
bool TSWSelectableMap::Accepts(const TSWMapCell& cell) const { return !filter_ || filter_(cell); }
