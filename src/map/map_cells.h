#pragma once
// The board's grid: CellsX columns by CellsY rows of cells in row-major order, owned by the grid.
// It also keeps the map control's geometry values, which the cells need to place themselves.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/object_release.h"
#include "base/wide_string.h"
#include "config/event_handler.h"
#include "map/map_geometry.h"
#include "platform/geometry.h"

class TMemIniFileW;
class TSWBasicMap;
class TSWMapCell;

class TSWMapCells {
 public:
  // A 10 x 10 grid of plain cells. `map` may be nullptr: the cells then have no store.
  explicit TSWMapCells(TSWBasicMap* map);
  ~TSWMapCells();
  TSWMapCells(const TSWMapCells&) = delete;
  TSWMapCells& operator=(const TSWMapCells&) = delete;

  TSWBasicMap* Map() const { return map_; }

  // The largest number of columns or rows: click colours encode rows exactly up to 256, and a
  // mistyped size must not build millions of cells.
  static constexpr int32_t kMaxSide = 256;
  // Fails with "Map %s must be at least 1 - but %d was given." or "Map %s must be at most %d -
  // but %d was given." (EInvalidArgument); `side` is "width" or "height".
  static void CheckSide(int32_t value, const char16_t* side);

  // Setting either resizes the grid: cells whose index stays below CellsX x CellsY are kept
  // (with their kind, terrain and objects) and renumbered, new plain cells fill up the rest and
  // cells beyond the new count are destroyed. A side outside 1 to kMaxSide fails (CheckSide) and
  // leaves the grid unchanged.
  int32_t CellsX() const { return cellsX_; }
  void SetCellsX(int32_t cellsX);
  int32_t CellsY() const { return cellsY_; }
  void SetCellsY(int32_t cellsY);

  // The map control's geometry; 0 until set. Setting one only stores it.
  int32_t CellWidth() const { return cellWidth_; }
  void SetCellWidth(int32_t value) { cellWidth_ = value; }
  int32_t CellHeight() const { return cellHeight_; }
  void SetCellHeight(int32_t value) { cellHeight_ = value; }
  int32_t CellSpacingX() const { return cellSpacingX_; }
  void SetCellSpacingX(int32_t value) { cellSpacingX_ = value; }
  int32_t CellSpacingY() const { return cellSpacingY_; }
  void SetCellSpacingY(int32_t value) { cellSpacingY_ = value; }
  int32_t MarginX() const { return marginX_; }
  void SetMarginX(int32_t value) { marginX_ = value; }
  int32_t MarginY() const { return marginY_; }
  void SetMarginY(int32_t value) { marginY_ = value; }

  // Click colours are stretched (x 30) for viewing while set.
  bool DebugColors() const { return debugColors_; }
  void SetDebugColors(bool debugColors) { debugColors_ = debugColors; }

  // The six values together.
  TSWMapGeometry Geometry() const;
  // The top-left pixel of the cell at column x, row y (CellPositionOn).
  TPoint CellPosition(int x, int y) const;

  int Count() const { return static_cast<int>(cells_.size()); }
  // True when 0 <= x < CellsX and 0 <= y < CellsY.
  bool Contains(int x, int y) const { return x >= 0 && x < cellsX_ && y >= 0 && y < cellsY_; }
  // The cell at item y x CellsX + x. Fails with "List index out of bounds (%d)" (EListError)
  // when that item does not exist; callers test Contains first.
  TSWMapCell& Cell(int x, int y) const;
  // Stores `cell` at (x, y); the cell that was there is destroyed.
  void PutCell(int x, int y, TOwned<TSWMapCell> cell);

  // The cell a click-map colour stands for: colour - 1 holds x in its low 16 bits and y above.
  // nullptr for 0, for all bits set (no pixel) and for coordinates outside the grid.
  TSWMapCell* CellByColor(uint32_t color) const;

  // Hears the slot events ("slot add", "slot delete", "slot level up") of every cell, right
  // after the cell's subscribers, with the cell's store, the event name and the argument they
  // received. One watcher for the whole grid, so that a listener to every cell, such as a log,
  // registers nothing per cell; an empty handler hears nothing. Whoever sets it unsets it
  // before it goes.
  const TSWEventHandler& SlotWatcher() const { return slotWatcher_; }
  void SetSlotWatcher(const TSWEventHandler& watcher) { slotWatcher_ = watcher; }

  // The sum of the cells' MemorySize.
  size_t MemorySize() const;

  // Replaces every cell by the kind its tile names: row y is the value of key "Y" + y, its tiles
  // separated by ",". A tile naming a registered cell kind (trimmed, any case) makes that kind;
  // any other text a plain cell; either way the cell's Terrain is the tile in lower case. A row
  // whose tile count is not CellsX fails with "TSWMapCells.LoadFrom failed - Y%d line had wrong
  // number of tiles (%d expected, %d given)." (EListError) and what made it so (a missing row
  // line, a Width or Height that is missing or not a number), the rows before it staying loaded.
  // With the map file's item name, a failing row's errors begin with "FILE [SECTION] Y3: ".
  void LoadFrom(const TMemIniFileW& ini, WideStringView section, const WideString& file = {});

 private:
  void Resize();
  // The item of (x, y); fails when there is none.
  size_t IndexOf(int x, int y) const;
  void LoadRow(int y, const std::vector<WideString>& tiles);

  TSWBasicMap* map_;
  int32_t cellsY_ = 10;
  int32_t cellsX_ = 10;
  bool debugColors_ = false;
  int32_t cellWidth_ = 0;
  int32_t cellHeight_ = 0;
  int32_t cellSpacingY_ = 0;
  int32_t cellSpacingX_ = 0;
  int32_t marginX_ = 0;
  int32_t marginY_ = 0;
  std::vector<TOwned<TSWMapCell>> cells_;
  TSWEventHandler slotWatcher_;
};
