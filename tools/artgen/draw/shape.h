#pragma once
// Shapes as inside-tests with a bounding box: the painting functions sample them several times
// per pixel, which gives anti-aliased edges for any shape without special cases.
#include <functional>
#include <vector>

#include "draw/vec.h"

namespace artgen {

struct TShape {
  TBox bounds;
  std::function<bool(TVec)> contains;
};

// Filled polygon with the non-zero winding rule.
TShape Polygon(std::vector<TVec> points);
TShape Rectangle(const TBox& box);
// Ellipse with radii rx, ry, turned by `angle` radians.
TShape Ellipse(TVec centre, double rx, double ry, double angle = 0);
TShape Circle(TVec centre, double radius);
// A line from a to b with round ends; its width goes from widthA at a to widthB at b.
TShape Line(TVec a, TVec b, double widthA, double widthB);
inline TShape Line(TVec a, TVec b, double width) { return Line(a, b, width, width); }
// A polyline through the points whose width goes linearly from `widthStart` to `widthEnd`.
TShape Stroke(const std::vector<TVec>& points, double widthStart, double widthEnd);
inline TShape Stroke(const std::vector<TVec>& points, double width) {
  return Stroke(points, width, width);
}

TShape Union(std::vector<TShape> shapes);
TShape Intersect(TShape a, TShape b);
TShape Subtract(TShape a, TShape b);
TShape Moved(TShape shape, TVec offset);
// The shape grown by about `distance` pixels in every direction (outlines, rims).
TShape Grown(TShape shape, double distance);

}  // namespace artgen
