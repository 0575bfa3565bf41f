#pragma once
// Images drawn over a cell in its shape: the grid line ("cell border"), the hover and
// selection frames, the veil over cells a selection cannot take, and the stone of null cells.
#include "draw/art_canvas.h"

namespace artgen {

TArtCanvas PaintCellBorder();
TArtCanvas PaintCellBorderOver();
TArtCanvas PaintCellBorderSelected();
TArtCanvas PaintCellNonSelectable();
TArtCanvas PaintCellNull();

}  // namespace artgen
