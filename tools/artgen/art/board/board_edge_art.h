#pragma once
// The board's thickness: the earth side under the last row ("board bottom", drawn at
// P + (0, 19)) and along the last column ("board right", drawn at P + (78, -1)).
#include "draw/art_canvas.h"

namespace artgen {

TArtCanvas PaintBoardBottom();
TArtCanvas PaintBoardRight();

}  // namespace artgen
