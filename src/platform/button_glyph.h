#pragma once
// The composition of the cooldown button's painted image (its `RebuildGlyph`) without the
// widget: the button hands its inputs over and paints the result.
#include "platform/png_image.h"

struct TButtonGlyphInputs {
  // nullptr counts as an empty image.
  const TPngImage* Glyph = nullptr;
  const TPngImage* Combine1 = nullptr;
  const TPngImage* Combine2 = nullptr;
  const TPngImage* CombineWith = nullptr;
  int CombinedSpacing = 2;
  int ClockGray = -1;  // -1: no clock; 0 .. 100: the clock's percentage
  bool ClockGrayClockWise = true;
  bool ClockGrayInverse = true;
  bool Enabled = true;
  bool GrayWhenDisabled = true;
};

// Replaces `drawGlyph` by the image the button paints: a copy of Glyph, or, when Combine1 is not
// empty, Combine1, Combine2 and CombineWith combined on a blank image; then the clock when
// ClockGray >= 0, else the whole image greyed when the button is disabled and GrayWhenDisabled.
// The input images are not changed. A combination narrower than nothing (a spacing more
// negative than the images are wide) gives an empty image.
void ComposeButtonGlyph(const TButtonGlyphInputs& inputs, TPngImage& drawGlyph);
