#pragma once
// The board's geometry as the main window sets it, and the cell shape that tiles it.
//
// Cell (X, Y) sits at P = (78 X + 42 (CellsY - 1 - Y) + 25, 19 Y + 25): columns 78 pixels
// apart, rows 19 pixels apart, each row 42 pixels left of the row above. The only
// parallelogram that tiles these steps without gaps has a horizontal top edge from x = 42 to
// 120 and a bottom edge from 0 to 78 (relative to P): its slanted sides drop 42 pixels over
// the 19 rows, exactly the row shift. Pixels belong to the cell whose shape holds their
// centre, so neighbouring cells share out the board with no gap and no overlap.
#include "draw/shape.h"

namespace artgen {

inline constexpr int kCellWidth = 42;
inline constexpr int kCellHeight = 19;
inline constexpr int kCellSpacingX = 36;
inline constexpr int kMarginX = 25;
inline constexpr int kMarginY = 25;
inline constexpr int kColumnStep = kCellWidth + kCellSpacingX;   // 78
inline constexpr int kRowShift = kCellWidth;                     // 42
inline constexpr int kCellImageWidth = kColumnStep + kRowShift;  // 120
inline constexpr int kCellImageHeight = kCellHeight;             // 19
// How deep the board's earth sides reach below its surface.
inline constexpr int kBoardThickness = 13;

// Top-left pixel of cell (x, y) on a board with `cellsY` rows.
TVec CellPosition(int x, int y, int cellsY);

// x of the cell's left edge at height y (relative to P); the right edge is kColumnStep further.
double CellLeftEdge(double y);

// The cell's parallelogram relative to P (pixel-centre rule: see FillPixelCentres).
TShape CellShape();

// The cell's parallelogram shrunk by `margin` pixels on every side.
TShape CellShapeInset(double margin);

// Lattice coordinates of a point relative to P: u across the row, v down the rows, both
// 0..1 inside the cell and growing by exactly 1 per column and per row. Textures computed
// from (u mod 1, v mod 1) continue across the seams of neighbouring cells.
TVec LatticeCoords(TVec p);
TVec FromLatticeCoords(TVec uv);

// The same shape moved by whole columns and rows (cells around the one at P).
TShape CellShapeAt(int columns, int rows);

// Perpendicular distances (pixels) from a point inside the cell to its four edges.
struct TEdgeDistances {
  double top, left, bottom, right;
};
TEdgeDistances DistancesToCellEdges(TVec p);

}  // namespace artgen
