#pragma once
// A black-and-white off-screen mask with exact pixels: the cooldown button draws its recharge
// clock on one. One byte per pixel; every pixel starts white.
#include <cstdint>
#include <vector>

#include "platform/geometry.h"

class TPixelMask {
 public:
  // A side below 0 counts as 0.
  TPixelMask(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // False (white) for a point outside the mask.
  bool IsBlack(int x, int y) const;
  bool IsBlack(TPoint point) const { return IsBlack(point.X, point.Y); }
  // A point outside the mask is ignored.
  void SetBlack(int x, int y);
  void SetBlack(TPoint point) { SetBlack(point.X, point.Y); }

  // Turns black every white pixel reachable from the seed through white pixels, stepping only
  // left, right, up and down (4-connected, as the platform's bounded flood fill), so a black
  // border that is 8-connected (diagonal steps allowed) is never crossed. A black seed, or one
  // outside the mask, fills nothing.
  void FloodFill(TPoint seed);

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::vector<uint8_t> black_;
};
