#pragma once
// A grey-scale mask of shape coverage that can be blurred: soft shadows, glows and edges that
// fade out inside a region.
#include <vector>

#include "draw/shape.h"

namespace artgen {

class TCoverageMask {
 public:
  TCoverageMask(int width, int height);

  // Adds the shape's anti-aliased coverage (capped at 1).
  void Add(const TShape& shape);
  // Three box blurs of the given radius, close to a gaussian.
  void Blur(double radius);

  double At(int x, int y) const;

 private:
  void BoxBlurRows(int radius);
  void BoxBlurColumns(int radius);

  int width_;
  int height_;
  std::vector<double> values_;
};

}  // namespace artgen
