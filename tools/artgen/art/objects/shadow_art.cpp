#include <vector>

#include "art/board/cell_geometry.h"
#include "art/objects/object_art.h"
#include "draw/coverage_mask.h"
#include "draw/fill.h"
#include "draw/noise.h"

namespace artgen {

namespace {

const TArtColor kShade = Hex(0x1A1230);

// The cells a shadow may darken: its own and the `rows` rows above it, in its own column and
// the one to the left (the board repaints exactly these when they change).
TShape ShadowReach(int rows) {
  std::vector<TShape> cells{CellShape()};
  for (int r = 1; r <= rows; ++r) {
    cells.push_back(CellShapeAt(0, -r));
    cells.push_back(CellShapeAt(-1, -r));
  }
  return Union(cells);
}

// Paints `shape` (in cell coordinates) as soft shade into an image drawn at P + origin,
// fading out before the edge of the reachable cells. The shape must keep a few pixels clear of
// the image's edges too, or its shade ends in a straight cut there.
TArtCanvas PaintShade(int width, int height, TVec origin, const TShape& shape, int rows,
                      double opacity, double blur) {
  const TVec toImage = TVec{0, 0} - origin;
  TCoverageMask shade(width, height);
  shade.Add(Moved(shape, toImage));
  shade.Blur(blur);
  TCoverageMask reach(width, height);
  reach.Add(Moved(ShadowReach(rows), toImage));
  reach.Blur(3);
  TArtCanvas canvas(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double inside = SmoothStep(0.55, 0.95, reach.At(x, y));
      canvas.Blend(x, y, kShade, shade.At(x, y) * inside * opacity);
    }
  }
  return canvas;
}

// A canopy of overlapping leafy lobes around `centre`, stretched along the board's depth and
// pierced by a few flecks of sun.
TShape Canopy(TVec centre, double rx, double ry, int lobes, uint32_t seed) {
  const TVec depth{0.91, -0.41};  // up and to the right: away from the viewer
  std::vector<TShape> parts{Ellipse(centre, rx * 0.8, ry * 0.8, Radians(-24))};
  for (int i = 0; i < lobes; ++i) {
    const TVec offset = depth * ((Hash01(i, 0, seed) - 0.5) * 2 * rx * 0.75) +
                        TVec{0.41, 0.91} * ((Hash01(i, 1, seed) - 0.5) * 2 * ry * 0.6);
    const double r = (0.3 + 0.25 * Hash01(i, 2, seed)) * ry * 2;
    parts.push_back(Ellipse(centre + offset, r * 1.4, r * 0.8, Radians(-24)));
  }
  std::vector<TShape> flecks;
  for (int i = 0; i < lobes / 2; ++i) {
    const TVec offset = depth * ((Hash01(i, 3, seed) - 0.5) * rx) +
                        TVec{0.41, 0.91} * ((Hash01(i, 4, seed) - 0.5) * ry);
    flecks.push_back(Ellipse(centre + offset, 2.2, 1.1));
  }
  return Subtract(Union(parts), Union(flecks));
}

}  // namespace

// Shade of an unseen tree's crown over the cell.
TArtCanvas PaintShadow() {
  return PaintShade(181, 54, {23, -35}, Canopy({84, -6}, 40, 12, 9, 0xF01), 2, 0.42, 2.2);
}

// A tree's shadow: the trunk's dark band runs back across the cell into the crown's shade.
TArtCanvas PaintShadowTree() {
  const TShape trunk = Line({52, 12}, {112, -15}, 6.5, 5);
  const TShape crown = Canopy({132, -16}, 38, 13, 11, 0xF02);
  return PaintShade(176, 62, {41, -43}, Union({trunk, crown}), 3, 0.5, 1.8);
}

// The compact, dense shadow of a boulder beside the cell.
TArtCanvas PaintShadowRock() {
  const TShape rock =
      Union({Ellipse({80, -1}, 30, 11, Radians(-20)), Ellipse({100, -10}, 18, 8, Radians(-20)),
             Ellipse({66, 6}, 16, 6, Radians(-10))});
  return PaintShade(176, 62, {41, -43}, rock, 3, 0.5, 1.2);
}

}  // namespace artgen
