#include <cmath>
#include <vector>

#include "art/objects/object_art.h"
#include "art/parts/plant_parts.h"
#include "draw/curve.h"
#include "draw/fill.h"

namespace artgen {

namespace {

// A long bean pod hanging from `top`, the beans bulging through its skin.
void DrawPod(TArtCanvas& canvas, TVec top, TVec bottom, double bend) {
  const TArtColor pod = Hex(0xC4DC5C);
  const std::vector<TVec> rib = Midrib(top, bottom, bend, 8);
  std::vector<TShape> beans{Leaf(top, bottom, 2.4, bend)};
  for (int i = 2; i <= 6; i += 2) beans.push_back(Circle(rib[i], 1.5));
  const TShape shape = Union(beans);
  FillOutlined(canvas, shape, LitPaint(shape.bounds, pod, 1.2), Hex(0x46701C), 0.8);
  for (int i = 2; i <= 6; i += 2)
    Fill(canvas, Circle(rib[i] + TVec{-0.5, -0.5}, 0.55), Hex(0xF2FFC0));
}

}  // namespace

// A bean vine twining up a cane, with a few broad leaves and long pods hanging down.
TArtCanvas PaintBean() {
  TArtCanvas canvas(32, 31);
  const TVec foot{16.5, 19.5};
  DrawContactShadow(canvas, foot, 7, 2);
  DrawStem(canvas, {{16.5, 20}, {16.5, 1.2}}, 1.8, 1.5, Hex(0xB58A57));
  std::vector<TVec> vine;
  for (double y = 19.5; y >= 2.5; y -= 0.5) vine.push_back({16.5 + 2.6 * std::sin(y * 0.62), y});
  DrawStem(canvas, vine, 1.3, 0.9, Hex(0x4F8A2C));
  DrawLeaf(canvas, {15.5, 16}, {9.5, 15}, 5.0, 0.8, Hex(0x5E9E36));
  DrawLeaf(canvas, {17.5, 9.5}, {24, 7}, 5.0, 0.6, Hex(0x62A23A));
  DrawLeaf(canvas, {15.5, 5}, {10, 2.2}, 4.0, -0.5, Hex(0x6AAA3E));
  DrawPod(canvas, {18.5, 11}, {21.5, 21}, 0.8);
  DrawPod(canvas, {14.5, 7.5}, {11, 17}, -0.8);
  DrawPod(canvas, {17.5, 4}, {20.5, 11.5}, 0.6);
  return canvas;
}

}  // namespace artgen
