#include "art/objects/object_art.h"
#include "art/parts/ground_parts.h"
#include "art/parts/plant_parts.h"
#include "draw/curve.h"
#include "draw/fill.h"

namespace artgen {

// A little mound of fresh earth with a seed and a sprout just opening its first two leaves.
TArtCanvas PaintSeed() {
  TArtCanvas canvas(22, 16);
  DrawContactShadow(canvas, {11, 12}, 9, 2.5);
  const TShape mound = Ellipse({11, 11.2}, 8, 3.4);
  FillOutlined(canvas, mound, LitPaint(mound.bounds, Hex(0x7E5434), 1.2), Hex(0x3E2616), 0.8);
  DrawSpeck(canvas, {6.5, 11.5}, 0.6, Hex(0x4A2E1A));
  DrawSpeck(canvas, {15, 12}, 0.6, Hex(0x4A2E1A));
  DrawSpeck(canvas, {13.5, 10}, 0.5, Hex(0xB88A5C));
  const TShape seed = Ellipse({8.6, 9.8}, 2.6, 1.7, Radians(-20));
  FillOutlined(canvas, seed, LitPaint(seed.bounds, Hex(0xD6A262), 1.3), Hex(0x6E4218), 0.8);
  DrawStem(canvas, QuadraticCurve({11.5, 10.5}, {10.8, 6.5}, {12, 4.5}), 1.4, 1.1, Hex(0x5E9E34));
  DrawLeaf(canvas, {12, 4.5}, {7.5, 2.2}, 3.0, -0.5, Hex(0x8CCB4E));
  DrawLeaf(canvas, {12, 4.5}, {16.5, 2.0}, 3.0, 0.5, Hex(0x7EC046));
  return canvas;
}

}  // namespace artgen
