#include "art/icons/app_icon_art.h"

#include <cmath>

#include "art/parts/plant_parts.h"
#include "draw/fill.h"

namespace artgen {

namespace {

// The icon is designed on a 64 x 64 grid; `unit` is one of its pixels at the size drawn.
struct TDesign {
  double unit;
  TVec At(double x, double y) const { return {x * unit, y * unit}; }
  double Len(double length) const { return length * unit; }
};

// Below this size the wind's strokes would only blur the flower.
constexpr int kSmallestWithWind = 32;

void DrawSky(TArtCanvas& canvas, const TDesign& d, const TShape& disc) {
  SoftShadow(canvas, disc, d.At(0.8, 1.2), d.Len(1.5), Hex(0x1A1020, 0.4));
  Fill(canvas, Grown(disc, 0.8), Hex(0x2E5C8A));
  Fill(canvas, disc,
       LinearGradient(d.At(32, 3), d.At(32, 50), {{0, Hex(0x5E9EE0)}, {1, Hex(0xCDE6F6)}}));
  Fill(canvas, Circle(d.At(46, 17), d.Len(6)), Hex(0xFFE7A0), 0.85);
}

void DrawSoil(TArtCanvas& canvas, const TDesign& d, const TShape& disc) {
  const TShape soil =
      Intersect(Polygon({d.At(16, 44), d.At(64, 44), d.At(52, 64), d.At(0, 64)}), disc);
  Fill(canvas, soil, LitPaint(soil.bounds, Hex(0x8A5A34)));
  Fill(canvas, Intersect(Line(d.At(12, 44.5), d.At(64, 44.5), d.Len(1.6)), disc), Hex(0x6FA040));
}

// One gust: a gentle wave from `from`, `length` long, thinning towards its end.
void DrawGust(TArtCanvas& canvas, const TDesign& d, TVec from, double length, double width) {
  std::vector<TVec> points;
  for (int i = 0; i <= 12; ++i) {
    const double t = i / 12.0;
    points.push_back(d.At(from.x + length * t, from.y - 1.4 * std::sin(t * 2 * kPi)));
  }
  Fill(canvas, Stroke(points, d.Len(width), d.Len(width * 0.3)), Hex(0xFFFFFF, 0.85));
}

void DrawWind(TArtCanvas& canvas, const TDesign& d) {
  DrawGust(canvas, d, {6, 21}, 20, 2.0);
  DrawGust(canvas, d, {9, 30}, 14, 1.6);
}

void DrawSorrel(TArtCanvas& canvas, const TDesign& d) {
  DrawContactShadow(canvas, d.At(30, 46), d.Len(7), d.Len(2));
  const TArtColor green = Hex(0x4E8C2E);
  DrawStem(canvas, {d.At(30, 46), d.At(31, 38), d.At(34, 30), d.At(38, 24)}, d.Len(3.4), d.Len(2.2),
           green);
  DrawLeaf(canvas, d.At(30.5, 42), d.At(19, 34), d.Len(7), d.Len(-2), green);
  DrawLeaf(canvas, d.At(31.5, 38), d.At(43, 35), d.Len(6), d.Len(2), Lit(green, 0.15));
  const TVec head = d.At(38, 22);
  DrawPetalRing(canvas, head, 6, d.Len(11), d.Len(7), Radians(-75), Hex(0xD8506A));
  Fill(canvas, Circle(head, d.Len(3.6)),
       LitPaint({head.x - d.Len(4), head.y - d.Len(4), head.x + d.Len(4), head.y + d.Len(4)},
                Hex(0xF2B632)));
}

}  // namespace

std::vector<int> AppIconSizes() { return {16, 32, 48, 64, 128, 256}; }

TArtCanvas PaintAppIcon(int size) {
  TArtCanvas canvas(size, size);
  const TDesign d{size / 64.0};
  const TShape disc = Circle(d.At(32, 32), d.Len(29.5));
  DrawSky(canvas, d, disc);
  DrawSoil(canvas, d, disc);
  if (size >= kSmallestWithWind) DrawWind(canvas, d);
  DrawSorrel(canvas, d);
  return canvas;
}

}  // namespace artgen
