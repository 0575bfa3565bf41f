#pragma once
// Points and boxes in continuous pixel coordinates: pixel (x, y) covers [x, x+1) x [y, y+1).
#include <algorithm>
#include <cmath>

namespace artgen {

struct TVec {
  double x = 0;
  double y = 0;
};

inline TVec operator+(TVec a, TVec b) { return {a.x + b.x, a.y + b.y}; }
inline TVec operator-(TVec a, TVec b) { return {a.x - b.x, a.y - b.y}; }
inline TVec operator*(TVec a, double f) { return {a.x * f, a.y * f}; }
inline double Dot(TVec a, TVec b) { return a.x * b.x + a.y * b.y; }
inline double Length(TVec a) { return std::sqrt(Dot(a, a)); }
inline TVec Lerp(TVec a, TVec b, double t) { return a + (b - a) * t; }
// The vector turned by `angle` radians (clockwise on screen, where y grows downwards).
inline TVec Rotated(TVec a, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return {a.x * c - a.y * s, a.x * s + a.y * c};
}
// Unit vector at `angle` radians from the +x axis (clockwise on screen).
inline TVec Direction(double angle) { return {std::cos(angle), std::sin(angle)}; }

inline constexpr double kPi = 3.14159265358979323846;
inline double Radians(double degrees) { return degrees * kPi / 180.0; }

struct TBox {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
  TBox Expanded(double d) const { return {left - d, top - d, right + d, bottom + d}; }
  TBox Moved(TVec offset) const {
    return {left + offset.x, top + offset.y, right + offset.x, bottom + offset.y};
  }
};

inline TBox Join(const TBox& a, const TBox& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

inline TBox Overlap(const TBox& a, const TBox& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

inline double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
// 0 below `edge0`, 1 above `edge1`, a smooth S-curve between.
inline double SmoothStep(double edge0, double edge1, double v) {
  const double t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

}  // namespace artgen
