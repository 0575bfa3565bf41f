#include "art/board/cell_bevel.h"

#include "art/board/cell_geometry.h"

namespace artgen {

namespace {
// Strength by perpendicular distance: full on the edge pixel, gone a pixel further in.
double EdgeWeight(double distance) { return Clamp01(1.2 - distance); }
}  // namespace

void ApplyCellBevel(TArtCanvas& canvas, double strength) {
  const TShape cell = CellShape();
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const TVec centre{x + 0.5, y + 0.5};
      if (!cell.contains(centre)) continue;
      const TEdgeDistances d = DistancesToCellEdges(centre);
      const double light = strength * (0.10 * EdgeWeight(d.top) + 0.12 * EdgeWeight(d.left));
      const double shade = strength * (0.13 * EdgeWeight(d.bottom) + 0.17 * EdgeWeight(d.right));
      TArtColor c = canvas.At(x, y);
      c = Lit(c, light);
      c = Shaded(c, shade);
      canvas.Set(x, y, c);
    }
  }
}

}  // namespace artgen
