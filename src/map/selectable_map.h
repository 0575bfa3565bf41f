#pragma once
// The map control's selection mode: while an ability needs target cells, left clicks pick cells
// that pass a filter, until the required number is picked and the ability is told.
#include <memory>

#include "map/interactive_map.h"

class TCoordsList;
class TSWSelectableMap;

// Which cells may be picked; also decides the "cell non-selectable" overlay.
using TSWMapCellFilter = TBoundMethod<bool(const TSWMapCell& cell)>;
// Called with the map once the selection is complete.
using TSWSelectionDoneEvent = TBoundMethod<void(TSWSelectableMap* map)>;

class TSWSelectableMap : public TSWInteractiveMap {
  SW_CLASS(TSWSelectableMap)

  explicit TSWSelectableMap(TComponent* owner = nullptr);
  ~TSWSelectableMap() override;

  bool Selecting() const { return selecting_; }
  // The cells picked so far, in click order; a cell picked twice is there twice.
  TCoordsList& Selection() { return *selection_; }
  int RequiredCount() const { return requiredCount_; }
  void SetRequiredCount(int count) { requiredCount_ = count; }
  // Painting and clicks ask it while a selection is under way; unset, every cell passes.
  const TSWMapCellFilter& Filter() const { return filter_; }
  void SetFilter(const TSWMapCellFilter& filter) { filter_ = filter; }
  const TSWSelectionDoneEvent& OnSelectionDone() const { return onSelectionDone_; }
  void SetOnSelectionDone(const TSWSelectionDoneEvent& handler) { onSelectionDone_ = handler; }

  // Starts selecting with no picks. Fails with "Map %s is already performing a selection."
  // (EInvalidOperation) while selecting.
  void BeginSelection();
  // Begins unless already selecting (keeping the picks), then repaints every cell.
  void StartSelection();
  // Stops selecting and repaints. Fails with "%s.EndSelection failed because no selection was
  // underway." (EInvalidOperation) when not selecting.
  void EndSelection();
  // Ends without telling OnSelectionDone.
  void CancelSelection() { EndSelection(); }
  // Ends, then calls OnSelectionDone, which reads the picks and may start the next selection.
  void FinishSelection();
  // Appends the cell; reaching RequiredCount picks finishes the selection.
  void AddToSelection(const TSWMapCell& cell);

  // While selecting, an unmodified left click picks the cell under it when the filter lets it
  // and is otherwise ignored; every other click acts as on an interactive map.
  void MouseUp(TMouseButton button, int x, int y, TShiftState shift) override;

  bool IsCellNonSelectable(const TSWMapCell& cell) const override;

 private:
  bool Accepts(const TSWMapCell& cell) const;

  bool selecting_ = false;
  std::unique_ptr<TCoordsList> selection_;
  int requiredCount_ = 0;
  TSWMapCellFilter filter_;
  TSWSelectionDoneEvent onSelectionDone_;
};
