#include "preview/cell_tiling_check.h"

#include <algorithm>
#include <vector>

#include "art/board/cell_geometry.h"
#include "platform/png_image.h"

namespace artgen {

namespace {

int ShapePixels(const TPngImage& cell) {
  int count = 0;
  for (int y = 0; y < cell.Height(); ++y) {
    for (int x = 0; x < cell.Width(); ++x) count += cell.Pixel(x, y).A != 0 ? 1 : 0;
  }
  return count;
}

// The most cells any one pixel belongs to on a small board.
int MostCellsOnOnePixel(const TPngImage& cell) {
  constexpr int kCells = 4;
  const int width = int(CellPosition(kCells - 1, 0, kCells).x) + cell.Width();
  const int height = int(CellPosition(0, kCells - 1, kCells).y) + cell.Height();
  std::vector<int> owners(static_cast<size_t>(width) * height, 0);
  int most = 0;
  for (int cy = 0; cy < kCells; ++cy) {
    for (int cx = 0; cx < kCells; ++cx) {
      const TVec p = CellPosition(cx, cy, kCells);
      for (int y = 0; y < cell.Height(); ++y) {
        for (int x = 0; x < cell.Width(); ++x) {
          if (cell.Pixel(x, y).A == 0) continue;
          int& n = owners[static_cast<size_t>(int(p.y) + y) * width + int(p.x) + x];
          most = std::max(most, ++n);
        }
      }
    }
  }
  return most;
}

}  // namespace

std::string CellTilingProblem(const TPngImage& cell) {
  const int expected = kColumnStep * kCellHeight;
  const int pixels = ShapePixels(cell);
  if (pixels != expected) {
    return "the cell shape has " + std::to_string(pixels) + " pixels, a tiling one has " +
           std::to_string(expected);
  }
  if (MostCellsOnOnePixel(cell) > 1) return "neighbouring cell shapes overlap";
  return {};
}

}  // namespace artgen
