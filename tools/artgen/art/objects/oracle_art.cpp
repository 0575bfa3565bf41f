#include "art/objects/object_art.h"
#include "art/parts/plant_parts.h"
#include "draw/curve.h"
#include "draw/fill.h"

namespace artgen {

namespace {

// An almond-shaped eye with a teal iris, looking slightly to the side.
void DrawEye(TArtCanvas& canvas, TVec centre) {
  const TShape almond =
      Intersect(Circle(centre + TVec{0, 3.4}, 5.6), Circle(centre - TVec{0, 3.4}, 5.6));
  FillOutlined(canvas, almond,
               LinearGradient(centre - TVec{0, 2}, centre + TVec{0, 2},
                              {{0, Hex(0xFFFDF4)}, {1, Hex(0xD8D0E4)}}),
               Hex(0x2E1450), 0.8);
  const TVec iris = centre + TVec{0.6, 0.1};
  Fill(canvas, Intersect(Circle(iris, 2.1), almond),
       RadialGradient(iris, 2.1, {{0, Hex(0x7FE0D8)}, {1, Hex(0x1E7C8C)}}));
  Fill(canvas, Circle(iris, 0.95), Hex(0x140A22));
  Fill(canvas, Circle(iris + TVec{-0.8, -0.8}, 0.55), Hex(0xFFFFFF));
}

}  // namespace

// A violet star-shaped flower whose heart is a watching eye.
TArtCanvas PaintOracle() {
  TArtCanvas canvas(32, 31);
  const TVec foot{16, 21.5};
  DrawContactShadow(canvas, foot, 7, 2);
  DrawStem(canvas, QuadraticCurve(foot, {17.5, 15}, {16, 10}), 2.0, 1.5, Hex(0x4A7E3A));
  DrawLeaf(canvas, {16.3, 18.5}, {9, 16.5}, 3.2, -0.8, Hex(0x5E9446));
  DrawLeaf(canvas, {16.6, 16}, {23.5, 13}, 3.2, 0.8, Hex(0x568C40));
  const TVec head{16, 8};
  DrawPetalRing(canvas, head, 6, 8.6, 4.8, -kPi / 2, Hex(0x8A58D4));
  DrawPetalRing(canvas, head, 6, 6.0, 3.6, -kPi / 2 + kPi / 6, Hex(0xB48CF0));
  DrawEye(canvas, head);
  return canvas;
}

}  // namespace artgen
