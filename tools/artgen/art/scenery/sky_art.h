#pragma once
// The window's sky: the "background" tile, the clouds ("cloud 1", "cloud moving") and "sun".
#include "draw/art_canvas.h"

namespace artgen {

// A tile repeated side by side across the window and centred vertically, so it is tall
// enough for any window and its left and right edges join.
TArtCanvas PaintSkyBackground();
TArtCanvas PaintCloud();
TArtCanvas PaintMovingCloud();
TArtCanvas PaintSun();

}  // namespace artgen
