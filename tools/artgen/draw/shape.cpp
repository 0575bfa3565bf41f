#include "draw/shape.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace artgen {

namespace {

TBox BoundsOf(const std::vector<TVec>& points) {
  TBox box{points.front().x, points.front().y, points.front().x, points.front().y};
  for (TVec p : points) box = Join(box, {p.x, p.y, p.x, p.y});
  return box;
}

int WindingNumber(const std::vector<TVec>& points, TVec p) {
  int winding = 0;
  for (size_t i = 0; i < points.size(); ++i) {
    const TVec a = points[i];
    const TVec b = points[(i + 1) % points.size()];
    const double side = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
    if (a.y <= p.y && b.y > p.y && side > 0) ++winding;
    if (a.y > p.y && b.y <= p.y && side < 0) --winding;
  }
  return winding;
}

}  // namespace

TShape Polygon(std::vector<TVec> points) {
  const TBox box = BoundsOf(points);
  return {box, [points = std::move(points)](TVec p) { return WindingNumber(points, p) != 0; }};
}

TShape Rectangle(const TBox& box) {
  return {box, [box](TVec p) {
            return p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom;
          }};
}

TShape Ellipse(TVec centre, double rx, double ry, double angle) {
  const double reach = std::max(rx, ry);
  return {{centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach}, [=](TVec p) {
            const TVec local = Rotated(p - centre, -angle);
            const double nx = local.x / rx, ny = local.y / ry;
            return nx * nx + ny * ny <= 1.0;
          }};
}

TShape Circle(TVec centre, double radius) { return Ellipse(centre, radius, radius); }

TShape Line(TVec a, TVec b, double widthA, double widthB) {
  const double reach = std::max(widthA, widthB) / 2;
  const TBox box = Join({a.x, a.y, a.x, a.y}, {b.x, b.y, b.x, b.y}).Expanded(reach);
  const TVec ab = b - a;
  const double lengthSquared = std::max(Dot(ab, ab), 1e-12);
  return {box, [=](TVec p) {
            const double t = std::clamp(Dot(p - a, ab) / lengthSquared, 0.0, 1.0);
            const double radius = (widthA + (widthB - widthA) * t) / 2;
            return Length(p - (a + ab * t)) <= radius;
          }};
}

TShape Stroke(const std::vector<TVec>& points, double widthStart, double widthEnd) {
  double total = 0;
  for (size_t i = 1; i < points.size(); ++i) total += Length(points[i] - points[i - 1]);
  std::vector<TShape> pieces;
  double walked = 0;
  for (size_t i = 1; i < points.size(); ++i) {
    const double step = Length(points[i] - points[i - 1]);
    const double w0 = widthStart + (widthEnd - widthStart) * (walked / total);
    walked += step;
    const double w1 = widthStart + (widthEnd - widthStart) * (walked / total);
    pieces.push_back(Line(points[i - 1], points[i], w0, w1));
  }
  return Union(std::move(pieces));
}

TShape Union(std::vector<TShape> shapes) {
  TBox box = shapes.front().bounds;
  for (const TShape& s : shapes) box = Join(box, s.bounds);
  return {box, [shapes = std::move(shapes)](TVec p) {
            for (const TShape& s : shapes) {
              if (p.x >= s.bounds.left && p.x <= s.bounds.right && p.y >= s.bounds.top &&
                  p.y <= s.bounds.bottom && s.contains(p)) {
                return true;
              }
            }
            return false;
          }};
}

TShape Intersect(TShape a, TShape b) {
  const TBox box = Overlap(a.bounds, b.bounds);
  return {box,
          [a = std::move(a), b = std::move(b)](TVec p) { return a.contains(p) && b.contains(p); }};
}

TShape Subtract(TShape a, TShape b) {
  const TBox box = a.bounds;
  return {box,
          [a = std::move(a), b = std::move(b)](TVec p) { return a.contains(p) && !b.contains(p); }};
}

TShape Moved(TShape shape, TVec offset) {
  const TBox box = shape.bounds.Moved(offset);
  return {box, [shape = std::move(shape), offset](TVec p) { return shape.contains(p - offset); }};
}

TShape Grown(TShape shape, double distance) {
  const TBox box = shape.bounds.Expanded(distance);
  return {box, [shape = std::move(shape), distance](TVec p) {
            if (shape.contains(p)) return true;
            constexpr int kDirections = 12;
            for (int i = 0; i < kDirections; ++i) {
              if (shape.contains(p + Direction(2 * kPi * i / kDirections) * distance)) return true;
            }
            return false;
          }};
}

}  // namespace artgen
