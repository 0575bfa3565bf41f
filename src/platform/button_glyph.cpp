#include "platform/button_glyph.h"

#include <algorithm>

#include "platform/glyph_image.h"

namespace {

bool IsEmpty(const TPngImage* image) { return image == nullptr || image->Empty(); }

void CombineIfAny(const TPngImage* source, TPngImage& target, TPoint topLeft) {
  if (!IsEmpty(source)) CombineImage(*source, target, topLeft);
}

int WidthOf(const TPngImage* image) { return IsEmpty(image) ? 0 : image->Width(); }
int HeightOf(const TPngImage* image) { return IsEmpty(image) ? 0 : image->Height(); }

}  // namespace

void ComposeButtonGlyph(const TButtonGlyphInputs& inputs, TPngImage& drawGlyph) {
  if (inputs.Glyph != nullptr)
    drawGlyph.Assign(*inputs.Glyph);
  else
    drawGlyph.Assign(TPngImage());

  if (!IsEmpty(inputs.Combine1)) {
    const int spacing = inputs.CombinedSpacing;
    const int widthSpacing = IsEmpty(inputs.Combine2) && IsEmpty(inputs.CombineWith) ? 0 : spacing;
    const int width = WidthOf(inputs.Combine1) + WidthOf(inputs.Combine2) + 2 * widthSpacing;
    MakeBlankImage(drawGlyph, std::max(width, 0), HeightOf(inputs.Combine1));
    CombineIfAny(inputs.Combine1, drawGlyph, {0, 0});
    // The stored spacing, not widthSpacing: they differ only when Combine2 is empty anyway.
    CombineIfAny(inputs.Combine2, drawGlyph, {WidthOf(inputs.Combine1) + 2 * spacing, 0});
    // C++ division truncates toward zero, which is the rounding wanted here.
    CombineIfAny(inputs.CombineWith, drawGlyph,
                 {(drawGlyph.Width() + spacing - WidthOf(inputs.CombineWith)) / 2,
                  (drawGlyph.Height() - HeightOf(inputs.CombineWith)) / 2});
  }

  // A clock replaces the disabled grey.
  if (inputs.ClockGray >= 0)
    ClockGrayImage(drawGlyph, inputs.ClockGray, inputs.ClockGrayClockWise, inputs.ClockGrayInverse);
  else if (!inputs.Enabled && inputs.GrayWhenDisabled)
    GrayImage(drawGlyph);
}
