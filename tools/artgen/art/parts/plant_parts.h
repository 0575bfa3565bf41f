#pragma once
// The pieces plants are drawn from, all lit from the top-left with darker outlines: contact
// shadows, stems, leaves, petals and small flowers.
#include <vector>

#include "draw/art_canvas.h"
#include "draw/color.h"
#include "draw/vec.h"

namespace artgen {

// The soft dark patch where a plant meets the ground.
void DrawContactShadow(TArtCanvas& canvas, TVec foot, double rx, double ry);

// A stem through `points`, tapering from `widthBottom` to `widthTop`.
void DrawStem(TArtCanvas& canvas, const std::vector<TVec>& points, double widthBottom,
              double widthTop, TArtColor color);

// A leaf with its outline and a lighter midrib.
void DrawLeaf(TArtCanvas& canvas, TVec base, TVec tip, double width, double bend, TArtColor color);

// `count` petals around `centre`, each `length` long and `width` wide, the first pointing at
// `angle` (radians); the whole head shares one light.
void DrawPetalRing(TArtCanvas& canvas, TVec centre, int count, double length, double width,
                   double angle, TArtColor color);

// A little five-petalled blossom with a yellow heart.
void DrawBlossom(TArtCanvas& canvas, TVec centre, double radius, TArtColor petals);

// A four-pointed glint of light (mana, sparkle on water).
void DrawGlint(TArtCanvas& canvas, TVec centre, double size, TArtColor color);

}  // namespace artgen
