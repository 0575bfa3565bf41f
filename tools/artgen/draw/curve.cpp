#include "draw/curve.h"

#include <cmath>

namespace artgen {

namespace {

TVec Perpendicular(TVec base, TVec tip) {
  const TVec d = tip - base;
  const double len = Length(d);
  return {-d.y / len, d.x / len};
}

// Outline of a leaf-like body whose half-width at t (0 base .. 1 tip) is halfWidth(t).
template <typename HalfWidth>
TShape Body(TVec base, TVec tip, double bend, HalfWidth halfWidth) {
  constexpr int kSegments = 16;
  const std::vector<TVec> rib = Midrib(base, tip, bend, kSegments);
  const TVec side = Perpendicular(base, tip);
  std::vector<TVec> outline;
  for (int i = 0; i <= kSegments; ++i) outline.push_back(rib[i] + side * halfWidth(i / 16.0));
  for (int i = kSegments; i >= 0; --i) outline.push_back(rib[i] - side * halfWidth(i / 16.0));
  return Polygon(outline);
}

}  // namespace

std::vector<TVec> QuadraticCurve(TVec a, TVec control, TVec b, int segments) {
  std::vector<TVec> points;
  for (int i = 0; i <= segments; ++i) {
    const double t = i / static_cast<double>(segments);
    points.push_back(Lerp(Lerp(a, control, t), Lerp(control, b, t), t));
  }
  return points;
}

std::vector<TVec> Midrib(TVec base, TVec tip, double bend, int segments) {
  const TVec control = Lerp(base, tip, 0.5) + Perpendicular(base, tip) * (-bend * 2);
  return QuadraticCurve(base, control, tip, segments);
}

TShape Leaf(TVec base, TVec tip, double width, double bend) {
  return Body(base, tip, bend, [width](double t) {
    return width / 2 * std::pow(std::sin(kPi * t), 0.8) * (t < 0.5 ? 1.0 : 1.0 - (t - 0.5) * 0.5);
  });
}

TShape Blade(TVec base, TVec tip, double width, double bend) {
  return Body(base, tip, bend, [width](double t) { return width / 2 * (1.0 - t); });
}

}  // namespace artgen
