#pragma once
// The images of the objects on the cells ("objects\" + name).
//
// Flowers, weeds and seeds are placed by the board: centred in the cell's free width and
// vertically centred, then raised by their kind's paint offset. Each image is sized so that
// its plant's foot lands about 11 pixels below the cell's top, and so that it fits the 32 x 32
// seed-ability icon (at most 32 wide and 31 high). Kinds that do not reach into neighbouring
// cells (melly, seed, puddle, path) stay within their own cell.
#include "draw/art_canvas.h"

namespace artgen {

TArtCanvas PaintBloomer();
TArtCanvas PaintMelly();
TArtCanvas PaintOracle();
TArtCanvas PaintBean();
TArtCanvas PaintVegbloomer();
TArtCanvas PaintWeed();
TArtCanvas PaintSeed();

// Puddles are cell-sized (120 x 19) so that they sit exactly on the cell.
TArtCanvas PaintPuddle();
TArtCanvas PaintPuddleSmall();
TArtCanvas PaintPuddleLarge();
TArtCanvas PaintPath();
TArtCanvas PaintFence();

// Light is drawn at P + (10, -9); shadows at P + (23, -35), their variants at P + (41, -43).
TArtCanvas PaintLight();
TArtCanvas PaintShadow();
TArtCanvas PaintShadowTree();
TArtCanvas PaintShadowRock();

}  // namespace artgen
