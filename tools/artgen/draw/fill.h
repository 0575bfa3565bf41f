#pragma once
// Painting shapes onto a canvas: anti-aliased fills by coverage sampling, hard fills that give
// each pixel wholly to the shape holding its centre, outlined fills and soft shadows.
#include "draw/art_canvas.h"
#include "draw/paint.h"
#include "draw/shape.h"

namespace artgen {

// Each pixel gets `paint` at its centre with the share of 4 x 4 sample points inside the shape.
void Fill(TArtCanvas& canvas, const TShape& shape, const TPaint& paint, double opacity = 1.0);
inline void Fill(TArtCanvas& canvas, const TShape& shape, TArtColor color, double opacity = 1.0) {
  Fill(canvas, shape, Solid(color), opacity);
}

// Pixels whose centre lies inside get the paint fully, all others nothing: shapes that tile
// the plane share out the pixels between them without gaps or overlap.
void FillPixelCentres(TArtCanvas& canvas, const TShape& shape, const TPaint& paint);

// The shape with a rim of `outline` about `width` pixels wide around the fill.
void FillOutlined(TArtCanvas& canvas, const TShape& shape, const TPaint& paint, TArtColor outline,
                  double width = 0.9);

// A blurred copy of the shape in `color`, moved by `offset`, under whatever is drawn next.
void SoftShadow(TArtCanvas& canvas, const TShape& shape, TVec offset, double blurRadius,
                TArtColor color);

// Keeps only what lies inside the shape (pixel centres), fading everything else away.
void KeepInside(TArtCanvas& canvas, const TShape& shape);

}  // namespace artgen
