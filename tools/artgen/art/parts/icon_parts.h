#pragma once
// Pieces of the small icons (abilities, events, window glyphs): badges, arcs, arrows, hearts,
// drops. Icons keep the art set's light from the top-left and its darker outlines.
#include <vector>

#include "draw/art_canvas.h"
#include "draw/color.h"
#include "draw/shape.h"

namespace artgen {

// A round, slightly domed badge that small icons sit on, so they read over any picture.
void DrawBadge(TArtCanvas& canvas, TVec centre, double radius, TArtColor color);

// Points along a circular arc from angle `from` to `to` (radians, clockwise on screen).
std::vector<TVec> ArcPoints(TVec centre, double radius, double from, double to, int segments = 16);

// A triangular arrow head with its point at `tip`, pointing along `direction`.
TShape ArrowHead(TVec tip, TVec direction, double length, double width);

// A heart of the given width centred on `centre`.
TShape Heart(TVec centre, double width);

// A drop of liquid, round at the bottom and pointed at the top.
TShape Drop(TVec centre, double radius);

// Fills the shape lit from the top-left with an outline of its own colour family.
void FillLit(TArtCanvas& canvas, const TShape& shape, TArtColor color, double outline = 0.8);

}  // namespace artgen
