#pragma once
// The six layout values of the map control, stored in its grid.
#include <cstdint>

#include "platform/geometry.h"

struct TSWMapGeometry {
  int CellWidth;
  int CellHeight;
  int CellSpacingX;
  int CellSpacingY;
  int MarginX;
  int MarginY;
};

// The main window's board: columns 78 px apart, rows 19 px high and each shifted 42 px left of
// the row above, 25 px margins. The cell art is drawn for these values.
inline constexpr TSWMapGeometry kMainWindowGeometry{42, 19, 36, 0, 25, 25};

// The top-left pixel of the cell at column x, row y of a board of `cellsY` rows: columns are
// CellWidth + CellSpacingX apart, and each row lies CellWidth further left than the row above
// it. Defined for any x and y, also past the grid.
inline TPoint CellPositionOn(const TSWMapGeometry& geometry, int cellsY, int x, int y) {
  return {(geometry.CellWidth + geometry.CellSpacingX) * x + geometry.CellWidth * (cellsY - 1 - y) +
              geometry.MarginX,
          (geometry.CellHeight + geometry.CellSpacingY) * y + geometry.MarginY};
}

// The click colour of the cell at column x, row y: (y x 65536 + x) + 1, times 30 (wrapping)
// for viewing while `debugColors` is set; 0 is no cell.
inline uint32_t ClickColorOf(int x, int y, bool debugColors) {
  const uint32_t color = static_cast<uint32_t>(y) * 65536u + static_cast<uint32_t>(x) + 1u;
  return debugColors ? color * 30u : color;
}
