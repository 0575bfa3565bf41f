#include <vector>

#include "art/board/cell_geometry.h"
#include "art/objects/object_art.h"
#include "art/parts/plant_parts.h"
#include "draw/fill.h"

namespace artgen {

namespace {

// The image is placed centred (left 34) and raised (top 21 above the cell), so a point of the
// cell maps to this image point.
constexpr int kFenceWidth = 52;
constexpr int kFenceHeight = 40;
constexpr TVec kCellToImage{-(kCellImageWidth - kFenceWidth) / 2.0,
                            -(-11 + (kCellHeight - kFenceHeight) / 2)};

// The fence runs through the middle of the cell from the front to the back, so fenced cells
// in one column join into one fence line.
TVec FootAt(double v) { return FromLatticeCoords({0.5, v}) + kCellToImage; }

const TArtColor kWood = Hex(0xAA7A4C);

void DrawPost(TArtCanvas& canvas, double v, double height) {
  const TVec foot = FootAt(v);
  DrawContactShadow(canvas, foot + TVec{0.5, 0}, 3.2, 1.1);
  const TShape post =
      Polygon({foot + TVec{-1.7, 0.5}, foot + TVec{1.7, 0.5}, foot + TVec{1.7, -height},
               foot + TVec{0, -height - 2.2}, foot + TVec{-1.7, -height}});
  FillOutlined(canvas, post,
               LinearGradient(foot + TVec{-1.7, 0}, foot + TVec{1.7, 0},
                              {{0, Lit(kWood, 0.4)}, {0.5, kWood}, {1, Shaded(kWood, 0.4)}}),
               Hex(0x4A2C16), 0.8);
  Fill(canvas, Line(foot + TVec{-0.6, -height + 1}, foot + TVec{-0.6, -2}, 0.5), Hex(0x6E4826),
       0.5);
}

void DrawRail(TArtCanvas& canvas, double height) {
  const TVec from = FootAt(0.97) - TVec{0, height}, to = FootAt(0.03) - TVec{0, height};
  const TShape rail = Line(from, to, 2.4);
  FillOutlined(canvas, rail,
               LinearGradient(from - TVec{0, 1.2}, from + TVec{0, 1.2},
                              {{0, Lit(kWood, 0.5)}, {0.5, kWood}, {1, Shaded(kWood, 0.35)}}),
               Hex(0x4A2C16), 0.8);
}

}  // namespace

// A short split-rail fence: three posts and two rails.
TArtCanvas PaintFence() {
  TArtCanvas canvas(kFenceWidth, kFenceHeight);
  DrawPost(canvas, 0.12, 16);
  DrawPost(canvas, 0.5, 16);
  DrawRail(canvas, 12.5);
  DrawRail(canvas, 6.5);
  DrawPost(canvas, 0.88, 16);
  return canvas;
}

}  // namespace artgen
