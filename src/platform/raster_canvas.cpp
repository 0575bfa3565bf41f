#include "platform/raster_canvas.h"

#include "base/errors.h"
#include "platform/fixed_font.h"
#include "platform/png_image.h"

namespace {

uint8_t DivideRounded(uint32_t numerator, uint32_t denominator) {
  return static_cast<uint8_t>((numerator + denominator / 2) / denominator);
}

// Source-over compositing of straight (not premultiplied) alpha, rounded to the nearest value.
TRgba BlendOver(TRgba source, TRgba target) {
  if (source.A == 0) return target;
  if (source.A == 255 || target.A == 0) return source;
  const uint32_t sourceWeight = source.A * 255u;
  const uint32_t targetWeight = target.A * (255u - source.A);
  const uint32_t total = sourceWeight + targetWeight;
  auto channel = [&](uint8_t s, uint8_t t) {
    return DivideRounded(s * sourceWeight + t * targetWeight, total);
  };
  return {channel(source.R, target.R), channel(source.G, target.G), channel(source.B, target.B),
          DivideRounded(total, 255)};
}

TRgba OpaqueColor(TColor color) { return {RedOf(color), GreenOf(color), BlueOf(color), 255}; }

}  // namespace

TRasterCanvas::TRasterCanvas(TPngImage& target)
    : target_(target), clip_{0, 0, target.Width(), target.Height()} {}

void TRasterCanvas::DrawImage(int x, int y, const TPngImage& image) {
  const TRect area = TRect::Intersection(Bounds(x, y, image.Width(), image.Height()), clip_);
  for (int row = area.Top; row < area.Bottom; ++row)
    for (int column = area.Left; column < area.Right; ++column)
      target_.SetPixel(column, row,
                       BlendOver(image.Pixel(column - x, row - y), target_.Pixel(column, row)));
}

void TRasterCanvas::FillRect(const TRect& rect, TColor color) {
  const TRect area = TRect::Intersection(rect, clip_);
  const TRgba fill = OpaqueColor(color);
  for (int row = area.Top; row < area.Bottom; ++row)
    for (int column = area.Left; column < area.Right; ++column) target_.SetPixel(column, row, fill);
}

void TRasterCanvas::DrawText(int x, int y, const WideString& text, TColor color) {
  const TRgba ink = OpaqueColor(color);
  int left = x;
  for (char16_t character : text) {
    const FixedFont::TGlyph& glyph = FixedFont::Glyph(character);
    for (int row = 0; row < FixedFont::kGlyphHeight; ++row)
      for (int column = 0; column < FixedFont::kGlyphWidth; ++column)
        if (FixedFont::GlyphPixel(glyph, column, row) && clip_.Contains(left + column, y + row))
          target_.SetPixel(left + column, y + row, ink);
    left += FixedFont::kCellWidth;
  }
}

int TRasterCanvas::TextWidth(const WideString& text) const {
  return static_cast<int>(text.size()) * FixedFont::kCellWidth;
}

int TRasterCanvas::TextHeight(const WideString&) const { return FixedFont::kCellHeight; }

bool TRasterCanvas::PushClipRect(const TRect& rect) {
  savedClips_.push_back(clip_);
  clip_ = TRect::Intersection(clip_, rect);
  return true;
}

void TRasterCanvas::PopClip() {
  if (savedClips_.empty()) Raise<EInvalidOperation>(u"PopClip without a matching PushClipRect");
  clip_ = savedClips_.back();
  savedClips_.pop_back();
}
