#pragma once
// The image arithmetic of the cooldown button: blank images, combining one image into
// another, greying, and the recharge clock. Pure pixel work on RGBA images, no toolkit.
#include "platform/geometry.h"
#include "platform/png_image.h"

// Replaces the image by a fully transparent RGBA image of that size declaring 16 bits per
// sample. A side outside 0 to TPngImage::kMaxSide fails as TPngImage::Blank does.
void MakeBlankImage(TPngImage& image, int width, int height);

// Draws the source into the target at the rectangle of the source's own size whose top-left
// corner is `topLeft`; the parts outside the target are cut off. Each covered target pixel takes
// the source colour blended over its own by the source alpha alone,
// c := (s·a + t·(255 − a)) / 255 rounded to the nearest (a denominator of 255 leaves no ties),
// then alpha := min(255, target alpha + source alpha).
void CombineImage(const TPngImage& source, TPngImage& target, TPoint topLeft);

// (Y, Y, Y) with Y the integer nearest to 0.3·R + 0.59·G + 0.11·B computed in extended precision
// (long double), ties to even: pure red gives 76 (from 76.5). Alpha is kept.
TRgba GrayColor(TRgba color);

// Every pixel := GrayColor(pixel).
void GrayImage(TPngImage& image);

// The recharge clock: greys the part of the image outside (inverse) or inside (not inverse) the
// sector drawn for `percent` (0 .. 100) on a mask, clockwise or counter-clockwise from 12
// o'clock; 0 and 100 make the sector the whole inscribed ellipse. See the source for how the
// mask is filled.
void ClockGrayImage(TPngImage& image, int percent, bool clockwise, bool inverse);
