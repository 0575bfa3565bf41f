#pragma once
// Ability icons ("abilities\" + ability name + " 16" / " 32"). The 16-pixel icons sit on a
// badge because the seed abilities draw them over the corner of a flower picture.
#include "draw/art_canvas.h"

namespace artgen {

TArtCanvas PaintSeedAbility16();
TArtCanvas PaintSeedAbility32();
TArtCanvas PaintVegetateAbility16();
TArtCanvas PaintVegetateAbility32();
TArtCanvas PaintSpreadAbility16();
TArtCanvas PaintSpreadAbility32();
TArtCanvas PaintRemovePathAbility16();
TArtCanvas PaintRemovePathAbility32();

}  // namespace artgen
