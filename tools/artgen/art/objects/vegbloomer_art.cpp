#include "art/objects/object_art.h"
#include "art/parts/plant_parts.h"
#include "draw/fill.h"
#include "draw/noise.h"

namespace artgen {

// A round leafy bush dotted with small cream blossoms.
TArtCanvas PaintVegbloomer() {
  TArtCanvas canvas(32, 31);
  const TVec foot{16, 21.5};
  DrawContactShadow(canvas, foot, 12, 2.6);
  const TVec heart{16, 15};
  const TShape dome = Ellipse(heart, 11.5, 7.5);
  FillOutlined(canvas, dome, LitPaint(dome.bounds, Hex(0x3E7A2C)), Hex(0x1E3E18), 0.8);
  // Leaves fanning out from the bush's heart, the back ones darker, the front ones lighter.
  constexpr int kLeaves = 13;
  for (int i = 0; i < kLeaves; ++i) {
    const double t = i / double(kLeaves - 1);
    const double angle = Radians(-172 + 164 * Hash01(i, 0, 0xC01));
    const double length = 8 + 3 * Hash01(i, 1, 0xC01);
    const TVec base = heart + TVec{(Hash01(i, 2, 0xC01) - 0.5) * 5, 2 + 3 * t};
    const TArtColor color = Mix(Hex(0x4C8C34), Hex(0x8ACB52), t);
    DrawLeaf(canvas, base, base + Direction(angle) * length, 5.2, angle > -kPi / 2 ? 0.9 : -0.9,
             color);
  }
  DrawBlossom(canvas, {10, 9.5}, 3.2, Hex(0xFFF1D8));
  DrawBlossom(canvas, {18.5, 6.5}, 3.4, Hex(0xFFE4EA));
  DrawBlossom(canvas, {24.5, 12}, 2.9, Hex(0xFFF1D8));
  DrawBlossom(canvas, {14.5, 14}, 2.8, Hex(0xFFF6E4));
  return canvas;
}

}  // namespace artgen
