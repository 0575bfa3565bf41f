#include "platform/glyph_image.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ellipse_pie.h"
#include "platform/pixel_mask.h"

namespace {

uint8_t Mix(uint8_t source, uint8_t target, uint32_t alpha) {
  return static_cast<uint8_t>((source * alpha + target * (255 - alpha) + 127) / 255);
}

// Ties to even, as RoundTiesEven, but on the extended value itself.
int RoundExtended(long double value) { return static_cast<int>(std::nearbyint(value)); }

// The pixel the flood fill of the pie starts from.
//
// The clock seeds its fill at (W2, 2), which lies on or right beside the first radius, so whether
// the seed is on the outline depends on the rasterisation. Here the first radius runs from the
// centre pixel (W2, H2) to the top of the ellipse, which for every width is the column W2 itself,
// so (W2, 2) is black (for heights of 4 or more): a fill from it would fill nothing, and the clock
// would be the outline alone. The clock is meant to be the filled sector, outline included, so the
// fill starts instead from the white pixel nearest to (W2, 2) (Euclidean distance, ties to the
// smaller row, then the smaller column) that the outline encloses; (W2, 2) itself whenever it is
// white and enclosed. Being enclosed, the fill never leaks out of the pie. In practice this is (W2
// + 1, 2) or a pixel right beside it. A pie too small or too thin to enclose any white pixel is not
// filled: its outline is its black part.
std::optional<TPoint> FillSeed(const TEllipsePie& pie, const TPixelMask& mask, TPoint near) {
  struct TCandidate {
    int64_t Distance;
    int Y;
    int X;
    auto operator<=>(const TCandidate&) const = default;
  };
  std::vector<TCandidate> candidates;
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x)
      if (!mask.IsBlack(x, y)) {
        const int64_t dx = x - near.X;
        const int64_t dy = y - near.Y;
        candidates.push_back({dx * dx + dy * dy, y, x});
      }
  std::sort(candidates.begin(), candidates.end());
  for (const TCandidate& candidate : candidates)
    if (pie.Encloses({candidate.X, candidate.Y})) return TPoint{candidate.X, candidate.Y};
  return std::nullopt;
}

}  // namespace

void MakeBlankImage(TPngImage& image, int width, int height) {
  image.Assign(*TPngImage::Blank(width, height, TPngImage::kColorRgba, 16));
}

void CombineImage(const TPngImage& source, TPngImage& target, TPoint topLeft) {
  const TRect area =
      TRect::Intersection(Bounds(topLeft.X, topLeft.Y, source.Width(), source.Height()),
                          {0, 0, target.Width(), target.Height()});
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) {
      const TRgba s = source.Pixel(x - topLeft.X, y - topLeft.Y);
      const TRgba t = target.Pixel(x, y);
      target.SetPixel(x, y,
                      {Mix(s.R, t.R, s.A), Mix(s.G, t.G, s.A), Mix(s.B, t.B, s.A),
                       static_cast<uint8_t>(std::min(255, s.A + t.A))});
    }
}

TRgba GrayColor(TRgba color) {
  const long double y = 0.3L * color.R + 0.59L * color.G + 0.11L * color.B;
  const auto grey = static_cast<uint8_t>(RoundExtended(y));
  return {grey, grey, grey, color.A};
}

void GrayImage(TPngImage& image) {
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) image.SetPixel(x, y, GrayColor(image.Pixel(x, y)));
}

void ClockGrayImage(TPngImage& image, int percent, bool clockwise, bool inverse) {
  const int width = image.Width();
  const int height = image.Height();
  if (width == 0 || height == 0) return;
  const int w2 = width / 2;
  const int h2 = height / 2;
  const int turned = clockwise ? percent : -percent;
  const long double a = (50 - turned) / 100.0L * 2 * 3.1416L;
  const TPoint end{RoundExtended(w2 + w2 * std::sin(a)), RoundExtended(h2 + h2 * std::cos(a))};

  // The pie is drawn with a black pen and a white brush on a white mask: only the outline shows.
  TPixelMask mask(width, height);
  const TEllipsePie pie(width, height, {w2, 0}, end);
  for (TPoint pixel : pie.Outline()) mask.SetBlack(pixel);
  if (const std::optional<TPoint> seed = FillSeed(pie, mask, {w2, 2})) mask.FloodFill(*seed);

  // The target colour is white when inverse, else black.
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (mask.IsBlack(x, y) != inverse) image.SetPixel(x, y, GrayColor(image.Pixel(x, y)));
}
