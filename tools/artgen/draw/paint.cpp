#include "draw/paint.h"

#include <utility>

namespace artgen {

TArtColor ColorAt(const std::vector<TColorStop>& stops, double t) {
  if (t <= stops.front().at) return stops.front().color;
  for (size_t i = 1; i < stops.size(); ++i) {
    if (t <= stops[i].at) {
      const double span = stops[i].at - stops[i - 1].at;
      return Mix(stops[i - 1].color, stops[i].color, span > 0 ? (t - stops[i - 1].at) / span : 1);
    }
  }
  return stops.back().color;
}

TPaint Solid(TArtColor color) {
  return [color](TVec) { return color; };
}

TPaint LinearGradient(TVec from, TVec to, std::vector<TColorStop> stops) {
  const TVec axis = to - from;
  const double lengthSquared = Dot(axis, axis);
  return [=, stops = std::move(stops)](TVec p) {
    return ColorAt(stops, Clamp01(Dot(p - from, axis) / lengthSquared));
  };
}

TPaint RadialGradient(TVec centre, double radius, std::vector<TColorStop> stops) {
  return [=, stops = std::move(stops)](TVec p) {
    return ColorAt(stops, Clamp01(Length(p - centre) / radius));
  };
}

TPaint LitPaint(const TBox& box, TArtColor base, double contrast) {
  const TVec highlight{box.left + box.Width() * 0.3, box.top + box.Height() * 0.25};
  const double reach = Length({box.Width(), box.Height()}) * 0.85;
  return RadialGradient(
      highlight, reach,
      {{0.0, Lit(base, 0.45 * contrast)}, {0.45, base}, {1.0, Shaded(base, 0.45 * contrast)}});
}

}  // namespace artgen
