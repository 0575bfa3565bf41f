#include <cmath>

#include "art/board/cell_geometry.h"
#include "art/objects/object_art.h"
#include "art/parts/plant_parts.h"
#include "draw/fill.h"

namespace artgen {

namespace {
// The image is drawn at P + (10, -9).
constexpr TVec kOrigin{10, -9};
}  // namespace

// A warm pool of sunlight on the cell with soft shafts falling into it from above. The
// shafts stay over the cell above (the only neighbour light reaches into).
TArtCanvas PaintLight() {
  TArtCanvas canvas(kCellImageWidth - int(kOrigin.x), kCellHeight - int(kOrigin.y));
  const TVec centre = TVec{60, 9.5} - kOrigin;
  const TShape cell = Moved(CellShapeInset(0.5), TVec{0, 0} - kOrigin);
  Fill(canvas, cell, [centre](TVec p) {
    const TVec d = p - centre;
    const double r = Length({d.x / 40, d.y / 10});
    return Hex(0xFFEBA0, 0.62 * (1 - SmoothStep(0.15, 1.0, r)));
  });
  const TShape above = Moved(CellShapeAt(0, -1), TVec{0, 0} - kOrigin);
  const TShape reach = Union({above, cell});
  const double shafts[][2] = {{66, 6}, {79, 8}, {92, 5}};
  for (const auto& shaft : shafts) {
    const double x = shaft[0] - kOrigin.x, width = shaft[1];
    const TShape beam =
        Intersect(Rectangle({x - width / 2, 0, x + width / 2, centre.y + 4}), reach);
    Fill(canvas, beam, [=](TVec p) {
      const double across = 1 - std::abs(p.x - x) / (width / 2);
      return Hex(0xFFF2B8, 0.42 * across * SmoothStep(0, centre.y, p.y));
    });
  }
  DrawGlint(canvas, TVec{73, -3} - kOrigin, 1.3, Hex(0xFFFBE0, 0.9));
  DrawGlint(canvas, TVec{88, 2} - kOrigin, 1.0, Hex(0xFFFBE0, 0.8));
  return canvas;
}

}  // namespace artgen
