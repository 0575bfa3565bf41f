#pragma once
// The animated sky behind the main window. A resize renders a new random sky into a bitmap: one
// row of background tiles, vertically centred, a few static clouds and the sun. A few moving
// clouds are drawn over the bitmap at every erase and step one pixel at a time. Every random
// draw comes from one source, in a fixed order, so a seeded source replays the same sky.
#include <cstdint>
#include <vector>

#include "platform/geometry.h"

class TCanvas;
class TPngImage;
class TRandomSource;
class TSWPackage;

struct TCloud {
  int32_t X = 0;
  int32_t Y = 0;
  // The step of X per move: -1 or +1.
  int32_t Direction = 1;
};

class TSky {
 public:
  TSky(TSWPackage& package, TRandomSource& random) : package_(package), random_(random) {}

  // The sun's left edge: the client width minus 200, set by every render.
  int SunX() const { return sunX_; }
  const std::vector<TCloud>& Clouds() const { return clouds_; }

  // Draws a new sky for a client area of `width` x `height` on `canvas` (the sky bitmap) and
  // places new moving clouds. Fails as the package fails when an image is missing.
  void Render(TCanvas& canvas, int width, int height);
  // Draws the moving clouds with their alpha, in order.
  void PaintMovingClouds(TCanvas& canvas);
  // Moves one cloud, chosen at random, one pixel, sometimes turning it first; returns the
  // rectangle it now covers, the only part of the window to repaint. Nothing moves and the
  // rectangle is empty while there are no clouds.
  TRect MoveOneCloud();

 private:
  // A whole number from 0 to n - 1; 0 when n is not positive (a window shrunk to nothing).
  int32_t Draw(int32_t n);
  int32_t DrawDirection();
  void DrawBackgroundRow(TCanvas& canvas, int width, int height);
  void DrawStaticClouds(TCanvas& canvas, int width);
  void PlaceMovingClouds(int width);
  const TPngImage& MovingCloudImage();

  TSWPackage& package_;
  TRandomSource& random_;
  int sunX_ = 0;
  std::vector<TCloud> clouds_;
};
