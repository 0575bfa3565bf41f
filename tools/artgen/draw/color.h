#pragma once
// Colours with straight alpha in 0..1, and the painterly shading rules of the whole art set:
// light comes warm from the top-left, shade falls cool and violet to the bottom-right.
#include <cstdint>

namespace artgen {

struct TArtColor {
  double r = 0;
  double g = 0;
  double b = 0;
  double a = 1;
};

// 0xRRGGBB, opaque unless an alpha is given.
TArtColor Hex(uint32_t rgb, double alpha = 1.0);
TArtColor Mix(TArtColor from, TArtColor to, double t);
TArtColor WithAlpha(TArtColor color, double alpha);
// Multiplies the colour channels (not alpha) by `factor`, capped at 1.
TArtColor Scaled(TArtColor color, double factor);

// Towards the warm light by `amount` (0..1).
TArtColor Lit(TArtColor color, double amount = 0.35);
// Towards the cool shade by `amount` (0..1).
TArtColor Shaded(TArtColor color, double amount = 0.35);
// The outline of a fill: clearly darker, same family.
TArtColor OutlineOf(TArtColor color);

}  // namespace artgen
