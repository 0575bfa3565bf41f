#include <cmath>
#include <vector>

#include "art/board/cell_geometry.h"
#include "art/objects/object_art.h"
#include "draw/fill.h"
#include "draw/noise.h"

namespace artgen {

namespace {

// An irregular flat stone around `centre`, flattened by the view.
TShape FlatStone(TVec centre, double rx, double ry, uint32_t seed) {
  std::vector<TVec> outline;
  constexpr int kCorners = 8;
  for (int i = 0; i < kCorners; ++i) {
    const double angle = 2 * kPi * (i + 0.3 * Hash01(i, 0, seed)) / kCorners;
    const double wobble = 0.8 + 0.3 * Hash01(i, 1, seed);
    outline.push_back(centre + TVec{std::cos(angle) * rx, std::sin(angle) * ry} * wobble);
  }
  return Polygon(outline);
}

}  // namespace

// Flat stepping stones laid over the cell, slightly sunk into the soil.
TArtCanvas PaintPath() {
  TArtCanvas canvas(kCellImageWidth, kCellImageHeight);
  const TVec stones[] = {{0.17, 0.28}, {0.5, 0.22}, {0.83, 0.28}, {0.3, 0.74}, {0.68, 0.74}};
  uint32_t seed = 0xE01;
  for (TVec uv : stones) {
    const TVec centre = FromLatticeCoords(uv);
    const TShape stone = Intersect(FlatStone(centre, 12, 4.2, seed++), CellShapeInset(1.2));
    Fill(canvas, Moved(Grown(stone, 0.8), {0.4, 0.8}), Hex(0x2A1A10, 0.5));
    const TArtColor grey = Mix(Hex(0xB8AE9A), Hex(0xA49684), Hash01(int(seed), 0, 0xE02));
    Fill(canvas, stone, LitPaint(stone.bounds, grey, 1.1));
    Fill(canvas, Subtract(stone, Moved(stone, {-0.7, -0.8})), Hex(0x5E5444), 0.55);
    Fill(canvas, Subtract(stone, Moved(stone, {0.6, 0.7})), Hex(0xEFE6D2), 0.6);
  }
  KeepInside(canvas, CellShape());
  return canvas;
}

}  // namespace artgen
