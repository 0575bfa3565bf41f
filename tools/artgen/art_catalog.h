#pragma once
// Every image of the data package, by its path below images/ (without ".png"), with the
// function that paints it.
#include <functional>
#include <string>
#include <vector>

#include "draw/art_canvas.h"

namespace artgen {

struct TArtPiece {
  std::string name;  // e.g. "objects/bloomer"; the package names it "objects\bloomer"
  std::function<TArtCanvas()> paint;
};

std::vector<TArtPiece> ArtCatalog();

// The game's desktop icon, one picture per size, named by its size ("16x16", ...).
std::vector<TArtPiece> AppIconCatalog();

}  // namespace artgen
