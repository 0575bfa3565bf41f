#pragma once
// The board of the map control tests: a TSWMap wired to a store over a test data folder whose
// "cell" image has a parallelogram for its alpha, every image a cell paints, a player "Gaia" and
// an object kind "mapprobe" (slot "flower"). The main window's geometry is set the way the window
// sets it (while loading, then Loaded), and a host records what the control asks of it.
#include <memory>
#include <vector>

#include "config/data_folder_fixture.h"
#include "map/map_cell.h"
#include "map/map_cells.h"
#include "map/map_host.h"
#include "map/sw_map.h"
#include "support/recording_canvas.h"

class ControlHost : public TSWMapHost {
 public:
  void InvalidateRect(const TRect& rect) override;
  void InvalidateAll() override { ++InvalidatedAll; }
  void SetControlSize(int width, int height) override { Size = {width, height}; }

  std::vector<TRect> Rects;
  int InvalidatedAll = 0;
  TPoint Size{};
  // When set, InvalidateRect fails with EOSError "host gone".
  bool Failing = false;
};

class MapControlTest : public DataFolderTest {
 protected:
  // The shape's row r is opaque from column 36 - 2r for 78 pixels: rows of neighbouring cells
  // meet without gaps, so every pixel of the board belongs to some cell.
  static int ShapeLeft(int row) { return 36 - 2 * row; }

  MapControlTest();
  ~MapControlTest() override;

  TSWMapCell& CellAt(int x, int y) { return map.Cells().Cell(x, y); }
  const TPngImage* ImageOf(const char16_t* name) { return &package.Image(name); }
  // A pixel well inside the cell's shape.
  TPoint Inside(int x, int y);
  // The coordinates of the cells whose image the canvas shows, in drawing order.
  std::vector<TPoint> RenderedCells(const TRecordingCanvas& canvas);
  // The positions at which `image` was drawn, in order.
  std::vector<TPoint> DrawnAt(const TRecordingCanvas& canvas, const char16_t* image);

  std::unique_ptr<TObject> player;
  ControlHost control;
  TSWMap map;
};
