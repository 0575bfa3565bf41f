#include "platform/pixel_mask.h"

#include <algorithm>

TPixelMask::TPixelMask(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      black_(static_cast<size_t>(width_) * height_, 0) {}

bool TPixelMask::IsBlack(int x, int y) const {
  return x >= 0 && y >= 0 && x < width_ && y < height_ && black_[Index(x, y)] != 0;
}

void TPixelMask::SetBlack(int x, int y) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_) black_[Index(x, y)] = 1;
}

void TPixelMask::FloodFill(TPoint seed) {
  if (seed.X < 0 || seed.Y < 0 || seed.X >= width_ || seed.Y >= height_ || IsBlack(seed)) return;
  // Pixels are blackened when pushed, so each enters the stack once.
  std::vector<TPoint> pending{seed};
  SetBlack(seed);
  auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || black_[Index(x, y)] != 0) return;
    black_[Index(x, y)] = 1;
    pending.push_back({x, y});
  };
  while (!pending.empty()) {
    const TPoint point = pending.back();
    pending.pop_back();
    visit(point.X - 1, point.Y);
    visit(point.X + 1, point.Y);
    visit(point.X, point.Y - 1);
    visit(point.X, point.Y + 1);
  }
}
