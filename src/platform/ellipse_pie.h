#pragma once
// The pie (elliptic sector) of a platform Pie call with the arc direction set to clockwise,
// rasterised exactly, for the cooldown button's clock mask.
//
// In pixel-centre coordinates (pixel (x, y) is the point (x, y), y growing down) the ellipse
// inscribed in the rectangle (0, 0) .. (width, height) has its centre at ((width - 1) / 2,
// (height - 1) / 2) and the semi-axes width / 2 and height / 2. Its pixels are those whose
// centres lie inside or on it (exact integer arithmetic, so the shape is mirror-symmetric), and
// its arc is their inner boundary: the ones with a left, right, upper or lower neighbour outside
// the ellipse. That boundary is a closed one-pixel line whose pixels, ordered clockwise by their
// direction from the centre, are 8-neighbours (both sides 3 or more).
//
// The radial points only give directions: the arc runs clockwise from the boundary pixel whose
// direction from the centre is nearest to the ray through the first radial point to the one
// nearest to the ray through the second. The radii are straight lines between those two pixels
// and the centre pixel (width / 2, height / 2), truncated: for an even side the exact centre
// falls between two pixels, and this is the one right of or below it.
#include <vector>

#include "platform/geometry.h"

class TEllipsePie {
 public:
  // Equal radial points (or any two whose directions from the centre compute equal) give the
  // whole ellipse, drawn without radii.
  TEllipsePie(int width, int height, TPoint firstRadial, TPoint secondRadial);

  bool Whole() const { return whole_; }

  // The outline as a closed chain of pixels, each an 8-neighbour of the next and the last of
  // the first: the first radius from the centre pixel out, the arc clockwise, the second radius
  // back. For the whole ellipse, the arc alone. Empty for an empty rectangle.
  const std::vector<TPoint>& Outline() const { return outline_; }

  // For a pixel that is not on the outline: true when the outline winds around its centre
  // (non-zero winding number). No path of pixels stepping left, right, up or down that avoids
  // the outline joins such a pixel to one the outline does not wind around, so a 4-connected
  // fill from it stays inside the pie.
  bool Encloses(TPoint pixel) const;

 private:
  bool whole_ = true;
  std::vector<TPoint> outline_;
};
