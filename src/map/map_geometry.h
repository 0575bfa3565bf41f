#pragma once
// The six layout values of the map control, stored in its grid.
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
