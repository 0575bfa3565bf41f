#include "draw/fill.h"

#include <algorithm>
#include <cmath>

#include "draw/coverage_mask.h"

namespace artgen {

namespace {

struct TPixelRange {
  int x0, y0, x1, y1;  // x1, y1 excluded
};

TPixelRange PixelsUnder(const TArtCanvas& canvas, const TBox& box) {
  return {std::max(0, static_cast<int>(std::floor(box.left)) - 1),
          std::max(0, static_cast<int>(std::floor(box.top)) - 1),
          std::min(canvas.Width(), static_cast<int>(std::ceil(box.right)) + 1),
          std::min(canvas.Height(), static_cast<int>(std::ceil(box.bottom)) + 1)};
}

double Coverage(const TShape& shape, int x, int y) {
  constexpr int kSide = 4;
  int inside = 0;
  for (int sy = 0; sy < kSide; ++sy) {
    for (int sx = 0; sx < kSide; ++sx) {
      if (shape.contains({x + (sx + 0.5) / kSide, y + (sy + 0.5) / kSide})) ++inside;
    }
  }
  return inside / static_cast<double>(kSide * kSide);
}

}  // namespace

void Fill(TArtCanvas& canvas, const TShape& shape, const TPaint& paint, double opacity) {
  const TPixelRange r = PixelsUnder(canvas, shape.bounds);
  for (int y = r.y0; y < r.y1; ++y) {
    for (int x = r.x0; x < r.x1; ++x) {
      const double coverage = Coverage(shape, x, y);
      if (coverage > 0) canvas.Blend(x, y, paint({x + 0.5, y + 0.5}), coverage * opacity);
    }
  }
}

void FillPixelCentres(TArtCanvas& canvas, const TShape& shape, const TPaint& paint) {
  const TPixelRange r = PixelsUnder(canvas, shape.bounds);
  for (int y = r.y0; y < r.y1; ++y) {
    for (int x = r.x0; x < r.x1; ++x) {
      const TVec centre{x + 0.5, y + 0.5};
      if (shape.contains(centre)) canvas.Blend(x, y, paint(centre));
    }
  }
}

void FillOutlined(TArtCanvas& canvas, const TShape& shape, const TPaint& paint, TArtColor outline,
                  double width) {
  Fill(canvas, Grown(shape, width), outline);
  Fill(canvas, shape, paint);
}

void SoftShadow(TArtCanvas& canvas, const TShape& shape, TVec offset, double blurRadius,
                TArtColor color) {
  TCoverageMask mask(canvas.Width(), canvas.Height());
  mask.Add(Moved(shape, offset));
  mask.Blur(blurRadius);
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) canvas.Blend(x, y, color, mask.At(x, y));
  }
}

void KeepInside(TArtCanvas& canvas, const TShape& shape) {
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (!shape.contains({x + 0.5, y + 0.5})) canvas.Fade(x, y, 0);
    }
  }
}

}  // namespace artgen
