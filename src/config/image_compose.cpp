#include "config/image_compose.h"

#include <algorithm>
#include <cstdint>

#include "base/errors.h"
#include "platform/png_image.h"

namespace {

bool FitsInto(const TPngImage& source, const TPngImage& target, int x, int y) {
  return x >= 0 && y >= 0 && x <= target.Width() - source.Width() &&
         y <= target.Height() - source.Height();
}

// Source over target with straight alpha: a colour counts by its pixel's share of the result, so
// drawing onto transparent pixels keeps the source colour instead of darkening it.
uint8_t MixChannel(uint8_t source, uint8_t target, uint32_t sourceWeight, uint32_t targetWeight) {
  const uint32_t total = sourceWeight + targetWeight;
  if (total == 0) return target;
  return static_cast<uint8_t>((source * sourceWeight + target * targetWeight + total / 2) / total);
}

void OverlayPixel(const uint8_t* source, uint8_t* target) {
  const uint32_t sourceAlpha = source[3];
  const uint32_t sourceWeight = sourceAlpha * 255;
  const uint32_t targetWeight = target[3] * (255 - sourceAlpha);
  for (int channel = 0; channel < 3; ++channel)
    target[channel] = MixChannel(source[channel], target[channel], sourceWeight, targetWeight);
  target[3] = static_cast<uint8_t>(std::min<uint32_t>(255, target[3] + sourceAlpha));
}

}  // namespace

std::unique_ptr<TPngImage> NewAlphaImage(int width, int height) {
  return TPngImage::Blank(width, height, TPngImage::kColorRgba, 16);
}

void OverlayImage(const TPngImage& source, TPngImage& target, int x, int y) {
  if (!FitsInto(source, target, x, y))
    Raise<EInvalidArgument>(
        u"OverlayImage: a %dx%d image at (%d, %d) does not fit into a %dx%d image.",
        {source.Width(), source.Height(), x, y, target.Width(), target.Height()});
  for (int row = 0; row < source.Height(); ++row) {
    const uint8_t* from = source.Row(row);
    uint8_t* to = target.Row(y + row) + static_cast<size_t>(x) * 4;
    for (int column = 0; column < source.Width(); ++column)
      OverlayPixel(from + column * 4, to + column * 4);
  }
}
