#include "art/objects/object_art.h"
#include "art/parts/plant_parts.h"
#include "draw/curve.h"
#include "draw/fill.h"

namespace artgen {

// A rose-red five-petalled flower on a leafy stem.
TArtCanvas PaintBloomer() {
  TArtCanvas canvas(32, 31);
  const TVec foot{16, 22.5};
  DrawContactShadow(canvas, foot, 7, 2);
  DrawStem(canvas, QuadraticCurve(foot, {14.5, 16}, {16.5, 9}), 2.0, 1.5, Hex(0x4E8A2E));
  DrawLeaf(canvas, {15.6, 19}, {7.5, 14.5}, 4.4, -1.0, Hex(0x68AC3C));
  DrawLeaf(canvas, {16, 16.5}, {24, 12.5}, 4.0, 1.0, Hex(0x5E9E36));
  const TVec head{16.5, 8.5};
  DrawPetalRing(canvas, head, 5, 8.0, 6.4, -kPi / 2, Hex(0xE2486A));
  Fill(canvas, Grown(Circle(head, 2.4), 0.7), Hex(0x9A5A12));
  Fill(canvas, Circle(head, 2.4),
       RadialGradient(head + TVec{-0.8, -0.8}, 3, {{0, Hex(0xFFE680)}, {1, Hex(0xE8A828)}}));
  return canvas;
}

}  // namespace artgen
