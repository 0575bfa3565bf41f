#include "art/board/cell_geometry.h"

#include <cmath>

namespace artgen {

namespace {
// The slanted edges' horizontal run per pixel of perpendicular distance.
const double kSlantFactor =
    kCellHeight / std::sqrt(double(kRowShift) * kRowShift + double(kCellHeight) * kCellHeight);
}  // namespace

TVec CellPosition(int x, int y, int cellsY) {
  return {double(kColumnStep * x + kCellWidth * (cellsY - 1 - y) + kMarginX),
          double(kCellHeight * y + kMarginY)};
}

double CellLeftEdge(double y) { return kRowShift - kRowShift * y / kCellHeight; }

TShape CellShape() {
  return {{0, 0, double(kCellImageWidth), double(kCellImageHeight)}, [](TVec p) {
            if (p.y < 0 || p.y >= kCellHeight) return false;
            const double left = CellLeftEdge(p.y);
            return p.x >= left && p.x < left + kColumnStep;
          }};
}

TShape CellShapeInset(double margin) {
  return {{0, 0, double(kCellImageWidth), double(kCellImageHeight)}, [margin](TVec p) {
            if (p.y < 0 || p.y >= kCellHeight) return false;
            const TEdgeDistances d = DistancesToCellEdges(p);
            return d.top >= margin && d.left >= margin && d.bottom >= margin && d.right >= margin;
          }};
}

TVec LatticeCoords(TVec p) {
  const double v = p.y / kCellHeight;
  return {(p.x - CellLeftEdge(p.y)) / kColumnStep, v};
}

TVec FromLatticeCoords(TVec uv) {
  const double y = uv.y * kCellHeight;
  return {CellLeftEdge(y) + uv.x * kColumnStep, y};
}

TShape CellShapeAt(int columns, int rows) {
  return Moved(CellShape(),
               {double(columns * kColumnStep - rows * kRowShift), double(rows * kCellHeight)});
}

TEdgeDistances DistancesToCellEdges(TVec p) {
  const double left = CellLeftEdge(p.y);
  return {p.y, (p.x - left) * kSlantFactor, kCellHeight - p.y,
          (left + kColumnStep - p.x) * kSlantFactor};
}

}  // namespace artgen
