#pragma once
// Small ground details shared by the soils, paths and board sides: pebbles, clods, specks.
#include "draw/art_canvas.h"
#include "draw/color.h"
#include "draw/vec.h"

namespace artgen {

// A small stone lying on the ground, lit from the top-left, with a contact shadow.
void DrawPebble(TArtCanvas& canvas, TVec centre, double rx, double ry, TArtColor color);

// A single soft speck (crumb, grain, fleck) of about one pixel.
void DrawSpeck(TArtCanvas& canvas, TVec centre, double radius, TArtColor color,
               double opacity = 1.0);

}  // namespace artgen
