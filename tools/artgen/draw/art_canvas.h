#pragma once
// A floating-point RGBA picture that the drawing kit paints into, with premultiplied alpha so
// that layers compose without dark fringes; converted to an 8-bit PNG image at the end.
#include <memory>
#include <vector>

#include "draw/color.h"

class TPngImage;

namespace artgen {

class TArtCanvas {
 public:
  TArtCanvas(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Source-over: `color` scaled by `coverage` (0..1) goes over the pixel.
  void Blend(int x, int y, TArtColor color, double coverage = 1.0);
  // Multiplies the pixel's colour and alpha by `factor`, cutting it away where 0.
  void Fade(int x, int y, double factor);
  // Replaces the pixel.
  void Set(int x, int y, TArtColor color);
  // The pixel with straight alpha.
  TArtColor At(int x, int y) const;

  // Composes `source` over this canvas with its top-left corner at (x, y); parts outside are
  // cut off.
  void Draw(const TArtCanvas& source, int x, int y);

  std::unique_ptr<TPngImage> ToPngImage() const;

 private:
  struct TPremultiplied {
    double r = 0, g = 0, b = 0, a = 0;
  };
  TPremultiplied& Cell(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const TPremultiplied& Cell(int x, int y) const {
    return pixels_[static_cast<size_t>(y) * width_ + x];
  }

  int width_;
  int height_;
  std::vector<TPremultiplied> pixels_;
};

}  // namespace artgen
