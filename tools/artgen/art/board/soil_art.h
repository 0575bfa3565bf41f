#pragma once
// The cell images: plain soil ("cell") and the soil kinds clay, loamy and fertile.
#include "draw/art_canvas.h"

namespace artgen {

TArtCanvas PaintPlainSoil();
TArtCanvas PaintClaySoil();
TArtCanvas PaintLoamySoil();
TArtCanvas PaintFertileSoil();

}  // namespace artgen
