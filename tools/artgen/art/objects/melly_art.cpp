#include <vector>

#include "art/objects/object_art.h"
#include "art/parts/plant_parts.h"
#include "draw/curve.h"
#include "draw/fill.h"

namespace artgen {

namespace {

// A hanging bell flower: a short stalk from `top`, a rounded crown and a flared, scalloped
// mouth.
void DrawBell(TArtCanvas& canvas, TVec top, double size) {
  const TArtColor honey = Hex(0xF2B531);
  const TVec crown = top + TVec{0, 0.35 * size};
  DrawStem(canvas, {top, crown + TVec{0, 0.2 * size}}, 0.8, 0.7, Hex(0x4E8A2E));
  const TShape bell =
      Union({Ellipse(crown + TVec{0, 0.3 * size}, 0.36 * size, 0.42 * size),
             Polygon({crown + TVec{-0.36, 0.3} * size, crown + TVec{0.36, 0.3} * size,
                      crown + TVec{0.55, 0.95} * size, crown + TVec{0.3, 1.05} * size,
                      crown + TVec{0, 0.95} * size, crown + TVec{-0.3, 1.05} * size,
                      crown + TVec{-0.55, 0.95} * size})});
  FillOutlined(canvas, bell, LitPaint(bell.bounds, honey, 1.2), Hex(0x9A5A14), 0.8);
  Fill(canvas, Ellipse(crown + TVec{0, 0.97} * size, 0.4 * size, 0.1 * size), Hex(0xB86A14));
}

}  // namespace

// A low honey-yellow bell flower: an arching stem hung with bells, a soft golden glow and a
// glint of mana.
TArtCanvas PaintMelly() {
  TArtCanvas canvas(28, 17);
  const TVec foot{12, 12.5};
  Fill(canvas, Ellipse({15, 7}, 13, 8),
       RadialGradient({15, 7}, 13, {{0, Hex(0xFFE27A, 0.4)}, {1, Hex(0xFFE27A, 0.0)}}));
  DrawContactShadow(canvas, foot + TVec{2, 0}, 9, 2);
  DrawLeaf(canvas, {11, 12.5}, {2.5, 10.5}, 4.2, -0.6, Hex(0x5FA23A));
  DrawLeaf(canvas, {13, 12.5}, {20, 12.5}, 3.6, 0.5, Hex(0x569836));
  const std::vector<TVec> arch = QuadraticCurve(foot, {12, -2}, {23.5, 2.5}, 16);
  DrawStem(canvas, arch, 1.4, 0.9, Hex(0x4E8A2E));
  DrawStem(canvas, QuadraticCurve({11.5, 12}, {8, 0}, {5, 4.5}), 1.2, 0.9, Hex(0x4E8A2E));
  DrawBell(canvas, {5, 4.5}, 5.0);
  DrawBell(canvas, arch[8], 5.4);
  DrawBell(canvas, arch[16], 5.0);
  DrawGlint(canvas, {9, 2}, 1.9, Hex(0xD8F2FF));
  DrawGlint(canvas, {25.5, 11.5}, 1.5, Hex(0xD8F2FF));
  return canvas;
}

}  // namespace artgen
