#pragma once
// Paints: the colour a fill takes at each point (flat, gradients, light from the top-left).
#include <functional>
#include <vector>

#include "draw/color.h"
#include "draw/vec.h"

namespace artgen {

using TPaint = std::function<TArtColor(TVec)>;

struct TColorStop {
  double at;  // 0..1
  TArtColor color;
};

// The colour at `t` (0..1) along stops given in ascending order.
TArtColor ColorAt(const std::vector<TColorStop>& stops, double t);

TPaint Solid(TArtColor color);
// Along the line from `from` to `to`: 0 at `from`, 1 at `to`, clamped beyond.
TPaint LinearGradient(TVec from, TVec to, std::vector<TColorStop> stops);
// 0 at `centre`, 1 at `radius` and beyond.
TPaint RadialGradient(TVec centre, double radius, std::vector<TColorStop> stops);
// A body lit from the top-left: warm highlight near the top-left of `box`, the base colour in
// the middle and cool shade towards the bottom-right.
TPaint LitPaint(const TBox& box, TArtColor base, double contrast = 1.0);

}  // namespace artgen
