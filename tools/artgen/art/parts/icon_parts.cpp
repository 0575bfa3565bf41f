#include "art/parts/icon_parts.h"

#include <cmath>

#include "draw/fill.h"
#include "draw/paint.h"

namespace artgen {

void DrawBadge(TArtCanvas& canvas, TVec centre, double radius, TArtColor color) {
  SoftShadow(canvas, Circle(centre, radius), {0.6, 0.8}, 1.2, Hex(0x1A1020, 0.45));
  const TShape disc = Circle(centre, radius - 0.6);
  Fill(canvas, Grown(disc, 0.8), OutlineOf(color));
  Fill(canvas, disc,
       RadialGradient(centre + TVec{-radius * 0.35, -radius * 0.4}, radius * 1.6,
                      {{0, Lit(color, 0.55)}, {0.5, color}, {1, Shaded(color, 0.3)}}));
}

std::vector<TVec> ArcPoints(TVec centre, double radius, double from, double to, int segments) {
  std::vector<TVec> points;
  for (int i = 0; i <= segments; ++i) {
    points.push_back(centre + Direction(from + (to - from) * i / segments) * radius);
  }
  return points;
}

TShape ArrowHead(TVec tip, TVec direction, double length, double width) {
  const TVec d = direction * (1.0 / Length(direction));
  const TVec side{-d.y, d.x};
  const TVec back = tip - d * length;
  return Polygon({tip, back + side * (width / 2), back - side * (width / 2)});
}

TShape Heart(TVec centre, double width) {
  const double r = width / 4;
  const TVec left = centre + TVec{-r, -r * 0.5}, right = centre + TVec{r, -r * 0.5};
  return Union({Circle(left, r * 1.05), Circle(right, r * 1.05),
                Polygon({left + TVec{-r * 1.0, r * 0.3}, right + TVec{r * 1.0, r * 0.3},
                         centre + TVec{0, width * 0.55}})});
}

TShape Drop(TVec centre, double radius) {
  return Union({Circle(centre, radius), Polygon({centre + TVec{-radius * 0.92, -radius * 0.35},
                                                 centre + TVec{0, -radius * 2.2},
                                                 centre + TVec{radius * 0.92, -radius * 0.35}})});
}

void FillLit(TArtCanvas& canvas, const TShape& shape, TArtColor color, double outline) {
  FillOutlined(canvas, shape, LitPaint(shape.bounds, color, 1.2), OutlineOf(color), outline);
}

}  // namespace artgen
