#pragma once
// The game's own icon for the desktop's menus and window lists: a sorrel flower bent by the wind
// on a patch of the board's soil, under a round piece of sky.
#include <vector>

#include "draw/art_canvas.h"

namespace artgen {

// The sizes of the desktop's icon theme the icon is drawn at, in pixels.
std::vector<int> AppIconSizes();

// The icon drawn afresh at `size` x `size` pixels, so each size is sharp rather than scaled.
TArtCanvas PaintAppIcon(int size);

}  // namespace artgen
