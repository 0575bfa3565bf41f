#pragma once
// The control that shows the board: it lays the cells of its grid out as a parallelogram leaning
// right, paints cells, overlays and objects from package images, and keeps a click map, which
// gives the click colour of the cell under every pixel, so that a mouse position becomes a cell
// with one look-up.
//
// The control draws only when its host asks it to (Paint); wherever something changes it asks
// the host to repaint the affected area later. Everything runs on the window's thread.
#include <cstddef>
#include <memory>
#include <mutex>

#include "base/component.h"
#include "config/map_view.h"
#include "map/click_map.h"
#include "map/map_geometry.h"
#include "map/map_host.h"

class TCanvas;
class TMemIniFileW;
class TPngImage;
class TStream;
class TSWConfig;
class TSWMapCell;
class TSWMapCells;
class TSWMapInfo;

class TSWBasicMap : public TComponent, public TSWMapView {
  SW_CLASS(TSWBasicMap)

  // A 10 x 10 grid of plain cells, AutoSize on, no map file, an empty click map.
  explicit TSWBasicMap(TComponent* owner = nullptr);
  ~TSWBasicMap() override;

  // Who shows the control; nullptr drops every repaint request. The host must outlive the
  // control or be unset first. A new host takes the control's size when AutoSize is on.
  TSWMapHost* Host() const { return host_; }
  void SetHost(TSWMapHost* host);

  // The design values are in place: lay the board out.
  void Loaded() override;

  TSWConfig* Config() const { return config_; }
  // Also hands the store's package to the map information.
  void SetConfig(TSWConfig* config);

  // When on, the control takes the click map's size.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

  // The grid's size and geometry, stored in the grid. Each setter lays the board out again
  // (unless loading). A size below 1 fails with "Map width must be at least 1 - but %d was
  // given." / "Map height must be at least 1 - but %d was given." (EInvalidArgument).
  int CellsX() const;
  void SetCellsX(int cellsX);
  int CellsY() const;
  void SetCellsY(int cellsY);
  int CellWidth() const;
  void SetCellWidth(int value);
  int CellHeight() const;
  void SetCellHeight(int value);
  int CellSpacingX() const;
  void SetCellSpacingX(int value);
  int CellSpacingY() const;
  void SetCellSpacingY(int value);
  int MarginX() const;
  void SetMarginX(int value);
  int MarginY() const;
  void SetMarginY(int value);
  // All six layout values at once, laid out once.
  void SetGeometry(const TSWMapGeometry& geometry);

  TSWMapCells& Cells() { return *cells_; }
  const TSWMapCells& Cells() const { return *cells_; }
  TSWMapInfo& MapInfo() { return *mapInfo_; }
  // The map file loaded last (the store's "MAP" file), or nullptr.
  TMemIniFileW* MapIni() const { return mapIni_; }
  const TClickMap& ClickMap() const { return clickMap_; }

  // The cell at column x, row y; callers keep inside the grid (IsOutside).
  TSWMapCell& Cell(int x, int y) const;
  bool IsOutside(int x, int y) const;
  // The cell whose click colour the click map holds at the pixel, or nullptr.
  TSWMapCell* CellAtPixel(int x, int y) const;
  // True in the margins and between shapes, although the click map gives the margins to the
  // edge cells; the top pixel row of the first cell row counts as outside.
  bool IsOutsideBoard(int x, int y) const;
  // False here; a selecting map answers for cells its filter rejects.
  virtual bool IsCellNonSelectable(const TSWMapCell& cell) const;

  // The area a repaint of the cell at column x, row y asks the host for, cut to the control:
  // across the hit band (from the cell's position, CellWidth + 2 x CellSpacingX wide), from two
  // rows above the cell to one row below it, since objects taller than the cell stand centred on
  // it; for the last column to the control's right edge and for the last row to its bottom
  // edge, where the board edges lie in the margins. Whatever objects draw over other cells is
  // repainted with those cells, which each object asks for itself.
  TRect CellRepaintRect(int x, int y) const;
  // Asks the host to repaint the cell's area.
  void PaintCellAt(int x, int y);
  // Asks the host to repaint the whole control.
  void Invalidate() override;

  // Answers the host's paint request: paints, under the paint lock, the cells that meet the
  // canvas's clipping rectangle.
  void Paint(TCanvas& canvas);
  // Renders the cells meeting `rect` row by row, starting at the cell under its top-left corner;
  // nothing when no cell is there.
  void PaintRect(TCanvas& canvas, const TRect& rect);

  // Lays the click map out for the current grid, geometry and colours.
  void RebuildClickMap();
  // Writes the click map in stretched colours as a BMP file; the click map has its normal
  // colours again afterwards, also when writing fails.
  void SaveClickMap(TStream& stream);

  // Bytes held by the cells and their objects.
  size_t MemorySize() const;

  // Loads a map file: keeps it as the store's "MAP" file, reads the map information, the size,
  // the tiles and the players' objects. Fails before resizing anything when Width or Height is
  // below 1. What was loaded before a failing step stays. When the file is an ini of the store's
  // package, every error names where in it the load failed: "maps\\genesis.ini [Tiles] Y3: ".
  void LoadFrom(TMemIniFileW& ini);
  // Adds the objects of every section whose name contains `prefix` to the slots of their cells,
  // owned by the player the rest of the section name names. Fails with "LoadPlayerObjects failed
  // because coordinates format of line "%s" was wrong - "X:Y" expected, "%s" got."
  // (EConvertError) and "LoadPlayerObjects failed because line "%s" places an object outside
  // the %d x %d grid." (EInvalidArgument), and with the object's own creation errors; from a
  // package ini, each begins with its place: "maps\\genesis.ini [Objects of Gaia] 2:5: ".
  void LoadPlayerObjects(TMemIniFileW& ini, WideStringView prefix);

 protected:
  // Runs after every layout of the board; nothing here.
  virtual void Changed() {}
  // The grid is about to drop or replace cells: let go of every reference to them.
  virtual void CellsReplacing() {}

  void ComponentFreed(TComponent* component) override;

 private:
  void GeometryChanged();
  void ApplyAutoSize();
  // The "cell" image, whose alpha is every cell's shape; nullptr without a data package.
  const TPngImage* CellShape() const;
  void AddPlayerObject(const WideString& line, TObject* player);
  // The package item the map file came from, for the places of load errors; empty without one.
  WideString MapFileName(const TMemIniFileW& ini) const;

  TSWMapHost* host_ = nullptr;
  TSWConfig* config_ = nullptr;
  bool autoSize_ = true;
  std::mutex paintLock_;
  // Freed in the reverse order: click map, cells, map information.
  std::unique_ptr<TSWMapInfo> mapInfo_;
  TMemIniFileW* mapIni_ = nullptr;
  std::unique_ptr<TSWMapCells> cells_;
  TClickMap clickMap_;
};
