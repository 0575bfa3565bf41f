#include "art/board/board_edge_art.h"

#include <cmath>
#include <functional>

#include "art/board/cell_geometry.h"
#include "art/parts/ground_parts.h"
#include "draw/fill.h"
#include "draw/noise.h"

namespace artgen {

namespace {

// A point on a side face: s runs along the board's edge (one unit per cell, repeating), d is
// the depth in pixels below the surface.
using TSideMapping = std::function<TVec(double s, double d)>;

// The earth's colour at (s, d): dark topsoil, then banded earth, darkening towards the base.
TArtColor EarthAt(double s, double d, double shade) {
  const double bands = FractalNoise(s * 6, d / 2.5, 3, 0x901, 6, 0);
  const double grain = FractalNoise(s * 12, d / 1.5, 2, 0x902, 12, 0);
  TArtColor earth = Mix(Hex(0x6A4328), Hex(0x8A5A36), bands);
  earth = Scaled(earth, 0.9 + grain * 0.2);
  earth = Mix(Hex(0x3A2415), earth, SmoothStep(0.5, 3.0, d));
  earth = Shaded(earth, 0.45 * SmoothStep(kBoardThickness - 5.0, kBoardThickness, d));
  return Shaded(earth, shade);
}

// Paints a side face: the earth colour inside `face`, then stones at fixed places
// along the edge, each placed through the mapping so that neighbouring faces continue.
void PaintSide(TArtCanvas& canvas, const TShape& face, const TSideMapping& toPixel,
               const std::function<TVec(TVec)>& toSide, double shade) {
  TArtCanvas side(canvas.Width(), canvas.Height());
  Fill(side, face, [&](TVec p) {
    const TVec sd = toSide(p);
    return EarthAt(sd.x, sd.y, shade);
  });
  for (int i = 0; i < 3; ++i) {
    const double s = Hash01(i, 0, 0x903), d = 4 + Hash01(i, 1, 0x903) * (kBoardThickness - 7);
    for (int wrap = -1; wrap <= 1; ++wrap) {
      DrawPebble(side, toPixel(s + wrap, d), 1.4 + Hash01(i, 2, 0x903), 1.0,
                 Shaded(Hex(0x8A7862), shade));
    }
  }
  KeepInside(side, Grown(face, 0.01));
  canvas.Draw(side, 0, 0);
}

}  // namespace

TArtCanvas PaintBoardBottom() {
  TArtCanvas canvas(kColumnStep, kBoardThickness);
  const TShape face = Rectangle({0, 0, double(kColumnStep), double(kBoardThickness)});
  PaintSide(
      canvas, face,
      [](double s, double d) {
        return TVec{s * kColumnStep, d};
      },
      [](TVec p) {
        return TVec{p.x / kColumnStep, p.y};
      },
      0.05);
  return canvas;
}

TArtCanvas PaintBoardRight() {
  // Image pixel (i, j) is (78 + i, j - 1) relative to the cell. The face hangs below the
  // cell's right edge; it reaches a little above the edge so that the pixels the cell leaves
  // empty are covered fully (it is drawn after the cell, so the overlap only softens the edge).
  constexpr double kOverlap = 0.8;
  const double width = kRowShift, top = 1.0;
  TArtCanvas canvas(kRowShift, 1 + kCellHeight + kBoardThickness);
  const TShape face = Polygon({{width, top - kOverlap},
                               {0, top + kCellHeight - kOverlap},
                               {0, top + kCellHeight + kBoardThickness},
                               {width, top + kBoardThickness}});
  // s = 0 at the cell's top-right corner, 1 at its bottom-right corner.
  const TSideMapping toPixel = [=](double s, double d) {
    return TVec{width - width * s, top + kCellHeight * s + d};
  };
  const auto toSide = [=](TVec p) {
    const double s = (width - p.x) / width;
    return TVec{s, p.y - top - kCellHeight * s};
  };
  PaintSide(canvas, face, toPixel, toSide, 0.3);
  return canvas;
}

}  // namespace artgen
