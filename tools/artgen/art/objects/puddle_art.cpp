#include <vector>

#include "art/board/cell_geometry.h"
#include "art/objects/object_art.h"
#include "art/parts/plant_parts.h"
#include "draw/fill.h"

namespace artgen {

namespace {

struct TBlob {
  TVec centre;
  double rx, ry;
};

// Water lying flat in the cell: a dark wet rim, sky reflected light at the far (upper) edge,
// deeper blue near the viewer, and a few streaks and glints of light.
TArtCanvas PaintWater(const std::vector<TBlob>& blobs) {
  TArtCanvas canvas(kCellImageWidth, kCellImageHeight);
  std::vector<TShape> parts;
  for (const TBlob& b : blobs) parts.push_back(Ellipse(b.centre, b.rx, b.ry));
  const TShape water = Intersect(Union(parts), CellShapeInset(2.5));
  Fill(canvas, Grown(water, 1.3), Hex(0x3A2616, 0.55));
  const TBox box = water.bounds;
  Fill(canvas, water,
       LinearGradient({0, box.top}, {0, box.bottom},
                      {{0.0, Hex(0xB4DAF6)}, {0.35, Hex(0x6FA6DC)}, {1.0, Hex(0x2F5E9E)}}),
       0.93);
  const TBlob& main = blobs.front();
  for (int i = 0; i < 2; ++i) {
    const TVec at =
        main.centre + TVec{-main.rx * 0.3 + i * main.rx * 0.45, -main.ry * 0.25 + i * 1.8};
    Fill(canvas, Intersect(Ellipse(at, main.rx * (0.35 - i * 0.12), 0.55), water), Hex(0xF2FAFF),
         0.75);
  }
  DrawGlint(canvas, main.centre + TVec{main.rx * 0.45, -main.ry * 0.35}, 1.8, Hex(0xFFFFFF));
  KeepInside(canvas, CellShape());
  return canvas;
}

}  // namespace

TArtCanvas PaintPuddle() {
  return PaintWater({{{58, 10}, 20, 5.5}, {{72, 8}, 12, 4.2}, {{46, 12}, 10, 3.6}});
}

TArtCanvas PaintPuddleSmall() { return PaintWater({{{60, 10}, 11, 3.8}, {{67, 8.6}, 6, 2.6}}); }

TArtCanvas PaintPuddleLarge() {
  return PaintWater({{{57, 10}, 28, 6.5}, {{80, 6.5}, 14, 4.0}, {{36, 13}, 12, 3.6}});
}

}  // namespace artgen
