#pragma once
// The deliberate subtle edge of every cell: a faint highlight along the top and left edges and
// a faint shade along the bottom and right ones, as if each tile were lit from the top-left.
#include "draw/art_canvas.h"

namespace artgen {

// `strength` 1 is the soils' faint edge; more raises the tile (stone).
void ApplyCellBevel(TArtCanvas& canvas, double strength = 1.0);

}  // namespace artgen
