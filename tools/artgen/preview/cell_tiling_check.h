#pragma once
// Guards the board's look against changes to the cell art or geometry: the "cell" image's
// shape (its pixels with alpha) must tile the board exactly, or the board shows gaps or
// cells that steal each other's clicks.
#include <string>

class TPngImage;

namespace artgen {

// Empty when the shape tiles: no pixel belongs to two cells, and each cell holds exactly one
// column step times one row of pixels (so nothing is left between them). Otherwise the
// reason.
std::string CellTilingProblem(const TPngImage& cell);

}  // namespace artgen
