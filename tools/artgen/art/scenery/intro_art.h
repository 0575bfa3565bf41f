#pragma once
// "intro background": the picture behind a map's introduction text. The text is written over
// it, so it stays pale and quiet in the middle: a watercolour garden on warm paper.
#include "draw/art_canvas.h"

namespace artgen {

TArtCanvas PaintIntroBackground();

}  // namespace artgen
