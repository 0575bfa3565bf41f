#include "art/parts/plant_parts.h"

#include "draw/curve.h"
#include "draw/fill.h"
#include "draw/shape.h"

namespace artgen {

void DrawContactShadow(TArtCanvas& canvas, TVec foot, double rx, double ry) {
  SoftShadow(canvas, Ellipse(foot, rx, ry), {0.5, 0.3}, 1.6, Hex(0x1C1008, 0.45));
}

void DrawStem(TArtCanvas& canvas, const std::vector<TVec>& points, double widthBottom,
              double widthTop, TArtColor color) {
  const TShape stem = Stroke(points, widthBottom, widthTop);
  FillOutlined(canvas, stem, LitPaint(stem.bounds, color), OutlineOf(color), 0.7);
}

void DrawLeaf(TArtCanvas& canvas, TVec base, TVec tip, double width, double bend, TArtColor color) {
  const TShape leaf = Leaf(base, tip, width, bend);
  FillOutlined(canvas, leaf, LitPaint(leaf.bounds, color), OutlineOf(color), 0.75);
  const std::vector<TVec> rib = Midrib(base, tip, bend, 8);
  Fill(canvas, Stroke({rib.begin() + 1, rib.end() - 2}, 0.55, 0.3), Lit(color, 0.45), 0.7);
}

void DrawPetalRing(TArtCanvas& canvas, TVec centre, int count, double length, double width,
                   double angle, TArtColor color) {
  std::vector<TShape> petals;
  for (int i = 0; i < count; ++i) {
    const double a = angle + 2 * kPi * i / count;
    petals.push_back(Ellipse(centre + Direction(a) * (length / 2), length / 2, width / 2, a));
  }
  const TShape head = Union(petals);
  Fill(canvas, Grown(head, 0.8), OutlineOf(color));
  const TPaint light = LitPaint(head.bounds, color);
  // Each petal over the previous, with a faint line where they overlap.
  for (const TShape& petal : petals) {
    Fill(canvas, Grown(petal, 0.45), Shaded(color, 0.3), 0.5);
    Fill(canvas, petal, light);
  }
}

void DrawBlossom(TArtCanvas& canvas, TVec centre, double radius, TArtColor petals) {
  DrawPetalRing(canvas, centre, 5, radius, radius * 0.8, -kPi / 2, petals);
  Fill(canvas, Circle(centre, radius * 0.32), Hex(0xF2B632));
}

void DrawGlint(TArtCanvas& canvas, TVec centre, double size, TArtColor color) {
  Fill(canvas, Circle(centre, size * 0.9), WithAlpha(color, 0.25));
  for (int arm = 0; arm < 4; ++arm) {
    Fill(canvas, Line(centre, centre + Direction(arm * kPi / 2) * size, size * 0.45, 0.1), color);
  }
  Fill(canvas, Circle(centre, size * 0.3), Hex(0xFFFFFF));
}

}  // namespace artgen
