#include "map/interactive_map.h"

#include "map/map_cell.h"

SW_CLASS_DEFINE(TSWInteractiveMap, TSWBasicMap)

TSWInteractiveMap::TSWInteractiveMap(TComponent* owner) : TSWBasicMap(owner) {}

void TSWInteractiveMap::SetMark(TSWMapCell* cell, int kind) {
  if (marked_[kind] == cell) return;
  MoveMark(cell, kind);
  // Outside the lock, so that a handler may mark cells again.
  RaiseMarkEvent(cell, kind);
}

void TSWInteractiveMap::MoveMark(TSWMapCell* cell, int kind) {
  const std::lock_guard<std::mutex> lock(markLock_);
  TSWMapCell* const old = marked_[kind];
  marked_[kind] = cell;
  if (old != nullptr) {
    old->SetState(kind, false);
    PaintCellAt(old->X(), old->Y());
  }
  if (cell != nullptr) {
    cell->SetState(kind, true);
    PaintCellAt(cell->X(), cell->Y());
  }
}

void TSWInteractiveMap::RaiseMarkEvent(TSWMapCell* cell, int kind) {
  const TSWMapCellEvent& handler = kind == kHoverMark ? onHover_ : onSelect_;
  if (handler) handler(cell);
}

void TSWInteractiveMap::CellsReplacing() {
  SetMark(nullptr, kHoverMark);
  SetMark(nullptr, kSelectMark);
}

void TSWInteractiveMap::MouseMove(int x, int y) {
  SetMark(IsOutsideBoard(x, y) ? nullptr : CellAtPixel(x, y), kHoverMark);
}

// The click map alone decides: a click in a margin selects the edge cell it is given to.
void TSWInteractiveMap::MouseUp(TMouseButton button, int x, int y, TShiftState /*shift*/) {
  switch (button) {
    case TMouseButton::Left: {
      TSWMapCell* cell = CellAtPixel(x, y);
      SetMark(cell == SelectedCell() ? nullptr : cell, kSelectMark);
      break;
    }
    case TMouseButton::Right:
      if (onContextPopup_) onContextPopup_(x, y);
      break;
    case TMouseButton::Middle:
      break;
  }
}
