#include "art/parts/ground_parts.h"

#include "draw/fill.h"
#include "draw/shape.h"

namespace artgen {

void DrawPebble(TArtCanvas& canvas, TVec centre, double rx, double ry, TArtColor color) {
  Fill(canvas, Ellipse(centre + TVec{0.6, 0.7}, rx + 0.3, ry + 0.2),
       WithAlpha(Hex(0x1E1208), 0.45));
  const TShape stone = Ellipse(centre, rx, ry);
  Fill(canvas, stone, LitPaint(stone.bounds, color, 1.3));
}

void DrawSpeck(TArtCanvas& canvas, TVec centre, double radius, TArtColor color, double opacity) {
  Fill(canvas, Circle(centre, radius), color, opacity);
}

}  // namespace artgen
