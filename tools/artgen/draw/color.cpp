#include "draw/color.h"

#include <algorithm>

namespace artgen {

namespace {
const TArtColor kWarmLight{1.0, 0.95, 0.78, 1};
const TArtColor kCoolShade{0.16, 0.10, 0.24, 1};
}  // namespace

TArtColor Hex(uint32_t rgb, double alpha) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

TArtColor Mix(TArtColor from, TArtColor to, double t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

TArtColor WithAlpha(TArtColor color, double alpha) {
  color.a = alpha;
  return color;
}

TArtColor Scaled(TArtColor color, double factor) {
  return {std::min(1.0, color.r * factor), std::min(1.0, color.g * factor),
          std::min(1.0, color.b * factor), color.a};
}

TArtColor Lit(TArtColor color, double amount) {
  return WithAlpha(Mix(color, kWarmLight, amount), color.a);
}

TArtColor Shaded(TArtColor color, double amount) {
  return WithAlpha(Mix(color, kCoolShade, amount), color.a);
}

TArtColor OutlineOf(TArtColor color) { return Shaded(Scaled(color, 0.8), 0.45); }

}  // namespace artgen
