#include "art/icons/event_icon_art.h"

#include "art/parts/icon_parts.h"
#include "art/parts/plant_parts.h"
#include "draw/curve.h"
#include "draw/fill.h"

namespace artgen {

// A sprout rising before the morning sun.
TArtCanvas PaintGameStartEvent() {
  TArtCanvas canvas(16, 16);
  Fill(canvas, Circle({8, 11}, 7.5),
       RadialGradient({8, 11}, 7.5, {{0, Hex(0xFFE9A0, 0.8)}, {1, Hex(0xFFE9A0, 0.0)}}));
  FillLit(canvas, Intersect(Circle({8, 12}, 5), Rectangle({0, 0, 16, 12})), Hex(0xFFC43C));
  FillLit(canvas, Rectangle({1, 12, 15, 15}), Hex(0x7E5434), 0.6);
  DrawStem(canvas, {{8, 12.5}, {8, 6}}, 1.3, 1.0, Hex(0x4E8A2E));
  DrawLeaf(canvas, {8, 7.5}, {3.8, 4.8}, 2.8, -0.4, Hex(0x7CC046));
  DrawLeaf(canvas, {8, 6.5}, {12.4, 3.6}, 2.8, 0.4, Hex(0x6CB03E));
  return canvas;
}

// A golden arrow climbing, with a star.
TArtCanvas PaintFlowerLevelUpEvent() {
  TArtCanvas canvas(16, 16);
  const TShape arrow = Union({ArrowHead({7, 1}, {0, -1}, 6, 10), Rectangle({5, 6.5, 9, 15})});
  FillLit(canvas, arrow, Hex(0xF2B632), 0.9);
  DrawGlint(canvas, {12.5, 10.5}, 2.8, Hex(0xFFF4B0));
  return canvas;
}

// A fresh blossom opening on its stem.
TArtCanvas PaintFlowerGrownEvent() {
  TArtCanvas canvas(16, 16);
  DrawStem(canvas, QuadraticCurve({8, 15.5}, {7, 11}, {8, 7}), 1.4, 1.1, Hex(0x4E8A2E));
  DrawLeaf(canvas, {7.8, 13}, {3, 10.5}, 3.0, -0.4, Hex(0x6CB03E));
  DrawLeaf(canvas, {8, 11.5}, {12.8, 9}, 3.0, 0.4, Hex(0x62A23A));
  DrawBlossom(canvas, {8, 5.5}, 4.6, Hex(0xF06A88));
  DrawGlint(canvas, {13.5, 2.5}, 1.8, Hex(0xFFFFFF));
  return canvas;
}

// A wilted flower hanging its head.
TArtCanvas PaintFlowerDiedEvent() {
  TArtCanvas canvas(16, 16);
  DrawStem(canvas, QuadraticCurve({6, 15.5}, {5, 5}, {11, 5.5}), 1.4, 1.1, Hex(0x8A7A3E));
  DrawLeaf(canvas, {5.6, 12.5}, {1.8, 14.5}, 2.6, 0.4, Hex(0x9A8446));
  const TShape head = Ellipse({11.5, 8.5}, 2.6, 3.4, Radians(20));
  FillLit(canvas, head, Hex(0x8E4A3A), 0.8);
  FillLit(canvas, Ellipse({13.2, 12.2}, 1.2, 1.8, Radians(30)), Hex(0x7A3A2E), 0.6);
  return canvas;
}

// A flat stone lifted away, leaving bare earth.
TArtCanvas PaintPathRemovedEvent() {
  TArtCanvas canvas(16, 16);
  FillLit(canvas, Ellipse({7, 12.5}, 6.5, 2.4), Hex(0x6E4A2E), 0.6);
  FillLit(canvas, Ellipse({9, 5.5}, 5.2, 2.2, Radians(-18)), Hex(0xB0A896), 0.8);
  const TShape arrow = Union({ArrowHead({3.2, 2}, {0, -1}, 3, 4.2), Rectangle({2.4, 4.5, 4.0, 9})});
  FillLit(canvas, arrow, Hex(0xF2B632), 0.6);
  return canvas;
}

}  // namespace artgen
