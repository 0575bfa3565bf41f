#include "art/objects/object_art.h"
#include "art/parts/plant_parts.h"
#include "draw/curve.h"
#include "draw/fill.h"
#include "draw/noise.h"

namespace artgen {

namespace {

// A spiky blade with a few thorny teeth along its edges.
void DrawSpikyBlade(TArtCanvas& canvas, TVec base, TVec tip, double width, double bend,
                    TArtColor color) {
  const std::vector<TVec> rib = Midrib(base, tip, bend, 10);
  std::vector<TShape> parts{Blade(base, tip, width, bend)};
  for (int i = 3; i <= 7; i += 2) {
    const TVec along = rib[i + 1] - rib[i];
    const TVec side = TVec{-along.y, along.x} * (1.0 / Length(along));
    const double reach = width * (1.0 - i / 10.0) + 1.6;
    const double sign = i % 4 == 3 ? 1 : -1;
    parts.push_back(Polygon({rib[i] - along * 0.6, rib[i] + along * 0.8,
                             rib[i] + along * 1.4 + side * (reach * sign)}));
  }
  const TShape blade = Union(parts);
  FillOutlined(canvas, blade, LitPaint(blade.bounds, color), Hex(0x142A12), 0.7);
}

}  // namespace

// A tall, ragged weed of dark spiky blades around a thistly seed head.
TArtCanvas PaintWeed() {
  TArtCanvas canvas(32, 31);
  const TVec foot{16, 27.5};
  DrawContactShadow(canvas, foot, 8, 2.2);
  DrawStem(canvas, QuadraticCurve(foot, {15, 15}, {17, 5}), 1.7, 1.1, Hex(0x3A5E28));
  const TVec head{17, 4.5};
  for (int i = 0; i < 9; ++i) {
    const TVec d = Direction(Radians(-200 + 220 * i / 8.0));
    Fill(canvas, Line(head, head + d * 3.8, 0.9, 0.2), Hex(0x2A4A1E));
  }
  FillOutlined(canvas, Ellipse(head + TVec{0, 0.6}, 2.4, 2.0), Solid(Hex(0x8A5A98)), Hex(0x3A1E44));
  constexpr int kBlades = 8;
  for (int i = 0; i < kBlades; ++i) {
    const double angle =
        Radians(-155 + 130 * i / double(kBlades - 1) + (Hash01(i, 0, 0xD01) - 0.5) * 12);
    const double length = 11 + 10 * Hash01(i, 1, 0xD01);
    const TVec base = foot + TVec{(i - kBlades / 2.0) * 0.7, 0};
    const TArtColor color = Mix(Hex(0x27481F), Hex(0x4C7A2E), Hash01(i, 2, 0xD01));
    DrawSpikyBlade(canvas, base, base + Direction(angle) * length, 3.2,
                   (Hash01(i, 3, 0xD01) - 0.5) * 3, color);
  }
  return canvas;
}

}  // namespace artgen
