#include "draw/art_canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/png_image.h"

namespace artgen {

namespace {
uint8_t ToByte(double v) {
  return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}
}  // namespace

TArtCanvas::TArtCanvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

void TArtCanvas::Blend(int x, int y, TArtColor color, double coverage) {
  if (!Inside(x, y)) return;
  const double a = std::clamp(color.a * coverage, 0.0, 1.0);
  if (a <= 0) return;
  TPremultiplied& p = Cell(x, y);
  const double keep = 1.0 - a;
  p.r = color.r * a + p.r * keep;
  p.g = color.g * a + p.g * keep;
  p.b = color.b * a + p.b * keep;
  p.a = a + p.a * keep;
}

void TArtCanvas::Fade(int x, int y, double factor) {
  if (!Inside(x, y)) return;
  TPremultiplied& p = Cell(x, y);
  const double f = std::clamp(factor, 0.0, 1.0);
  p = {p.r * f, p.g * f, p.b * f, p.a * f};
}

void TArtCanvas::Set(int x, int y, TArtColor color) {
  if (!Inside(x, y)) return;
  const double a = std::clamp(color.a, 0.0, 1.0);
  Cell(x, y) = {color.r * a, color.g * a, color.b * a, a};
}

TArtColor TArtCanvas::At(int x, int y) const {
  const TPremultiplied& p = Cell(x, y);
  if (p.a <= 0) return {0, 0, 0, 0};
  return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void TArtCanvas::Draw(const TArtCanvas& source, int x, int y) {
  for (int sy = 0; sy < source.Height(); ++sy) {
    for (int sx = 0; sx < source.Width(); ++sx) Blend(x + sx, y + sy, source.At(sx, sy));
  }
}

std::unique_ptr<TPngImage> TArtCanvas::ToPngImage() const {
  auto image = TPngImage::Blank(width_, height_, TPngImage::kColorRgba, 8);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const TArtColor c = At(x, y);
      const uint8_t alpha = ToByte(c.a);
      // Invisible pixels are stored as 0 so that they compress well.
      if (alpha == 0) continue;
      image->SetPixel(x, y, {ToByte(c.r), ToByte(c.g), ToByte(c.b), alpha});
    }
  }
  return image;
}

}  // namespace artgen
