#include "draw/coverage_mask.h"

#include <algorithm>
#include <cmath>

#include "draw/art_canvas.h"
#include "draw/fill.h"

namespace artgen {

TCoverageMask::TCoverageMask(int width, int height)
    : width_(width), height_(height), values_(static_cast<size_t>(width) * height, 0.0) {}

void TCoverageMask::Add(const TShape& shape) {
  TArtCanvas scratch(width_, height_);
  Fill(scratch, shape, TArtColor{1, 1, 1, 1});
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      double& v = values_[static_cast<size_t>(y) * width_ + x];
      v = std::min(1.0, v + scratch.At(x, y).a);
    }
  }
}

void TCoverageMask::Blur(double radius) {
  const int r = std::max(1, static_cast<int>(std::lround(radius / 1.7)));
  for (int pass = 0; pass < 3; ++pass) {
    BoxBlurRows(r);
    BoxBlurColumns(r);
  }
}

double TCoverageMask::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return values_[static_cast<size_t>(y) * width_ + x];
}

void TCoverageMask::BoxBlurRows(int radius) {
  std::vector<double> row(width_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      double sum = 0;
      for (int k = -radius; k <= radius; ++k) sum += At(x + k, y);
      row[x] = sum / (2 * radius + 1);
    }
    std::copy(row.begin(), row.end(), values_.begin() + static_cast<long>(y) * width_);
  }
}

void TCoverageMask::BoxBlurColumns(int radius) {
  std::vector<double> column(height_);
  for (int x = 0; x < width_; ++x) {
    for (int y = 0; y < height_; ++y) {
      double sum = 0;
      for (int k = -radius; k <= radius; ++k) sum += At(x, y + k);
      column[y] = sum / (2 * radius + 1);
    }
    for (int y = 0; y < height_; ++y) values_[static_cast<size_t>(y) * width_ + x] = column[y];
  }
}

}  // namespace artgen
