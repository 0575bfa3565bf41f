#pragma once
// The map control reacting to the mouse: the cell under the pointer is the hovered cell, a left
// click selects or deselects a cell, a right click asks for a context menu.
#include <mutex>

#include "base/bound_method.h"
#include "map/basic_map.h"

// The cell may be nullptr (no cell).
using TSWMapCellEvent = TBoundMethod<void(TSWMapCell* cell)>;
// The pointer position in control coordinates.
using TSWMapContextPopupEvent = TBoundMethod<void(int x, int y)>;

class TSWInteractiveMap : public TSWBasicMap {
  SW_CLASS(TSWInteractiveMap)

  // Mark kinds, also the bit numbers of a cell's States.
  static constexpr int kHoverMark = 0;
  static constexpr int kSelectMark = 1;
  static constexpr int kMarkKinds = 2;

  explicit TSWInteractiveMap(TComponent* owner = nullptr);

  // Moves mark `kind` to `cell` (nullptr: nowhere): updates both cells' States and repaints
  // them, then raises OnHover (kind 0) or OnSelect (kind 1) outside the mark lock. Nothing
  // happens when the mark is already there.
  void SetMark(TSWMapCell* cell, int kind);
  void SelectCell(TSWMapCell* cell) { SetMark(cell, kSelectMark); }
  TSWMapCell* SelectedCell() const { return marked_[kSelectMark]; }
  TSWMapCell* HoveredCell() const { return marked_[kHoverMark]; }

  // Pointer input from the host. `shift` holds the keys and buttons still held after the release.
  void MouseMove(int x, int y);
  virtual void MouseUp(TMouseButton button, int x, int y, TShiftState shift);

  const TSWMapCellEvent& OnHover() const { return onHover_; }
  void SetOnHover(const TSWMapCellEvent& handler) { onHover_ = handler; }
  const TSWMapCellEvent& OnSelect() const { return onSelect_; }
  void SetOnSelect(const TSWMapCellEvent& handler) { onSelect_ = handler; }
  const TSWMapContextPopupEvent& OnContextPopup() const { return onContextPopup_; }
  void SetOnContextPopup(const TSWMapContextPopupEvent& handler) { onContextPopup_ = handler; }

 protected:
  // Both marks go (with their events) before the cells they may refer to are destroyed.
  void CellsReplacing() override;

 private:
  void MoveMark(TSWMapCell* cell, int kind);
  void RaiseMarkEvent(TSWMapCell* cell, int kind);

  TSWMapCell* marked_[kMarkKinds] = {};
  std::mutex markLock_;
  TSWMapCellEvent onHover_;
  TSWMapCellEvent onSelect_;
  TSWMapContextPopupEvent onContextPopup_;
};
