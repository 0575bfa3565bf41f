#pragma once
// Composing icons with transparency: a blank image to draw on, and drawing one image onto
// another so that the result keeps both images' coverage in its alpha channel.
#include <memory>

class TPngImage;

// A fully transparent image of that size, colour type 6 (colour with alpha), bit depth 16.
std::unique_ptr<TPngImage> NewAlphaImage(int width, int height);

// Draws `source` onto `target` with its top-left corner at (x, y): each colour is mixed with the
// one below by the two pixels' alpha weights (source over target), and the source alpha is added
// to the target alpha, capped at 255. The source must lie wholly inside the target; otherwise
// fails with "OverlayImage: a %dx%d image at (%d, %d) does not fit into a %dx%d image."
// (EInvalidArgument).
void OverlayImage(const TPngImage& source, TPngImage& target, int x, int y);
