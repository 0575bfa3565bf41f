#include "art/icons/ui_icon_art.h"

#include <vector>

#include "art/parts/icon_parts.h"
#include "art/parts/plant_parts.h"
#include "draw/curve.h"
#include "draw/fill.h"

namespace artgen {

namespace {

const TArtColor kInk = Hex(0x2A2238);

// A small slanted tile like the board's cells, with its top-left corner at `at`.
TShape Tile(TVec at, double width, double height, double slant) {
  return Polygon({at + TVec{slant, 0}, at + TVec{slant + width, 0}, at + TVec{width, height},
                  at + TVec{0, height}});
}

// A sheet of paper with a folded corner.
void DrawSheet(TArtCanvas& canvas, TVec at, double width, double height) {
  const TShape sheet = Polygon({at, at + TVec{width - 3, 0}, at + TVec{width, 3},
                                at + TVec{width, height}, at + TVec{0, height}});
  FillLit(canvas, sheet, Hex(0xF4F0E6), 0.8);
  for (int i = 1; i <= 3; ++i) {
    Fill(canvas, Line(at + TVec{2, 2.5 * i + 1}, at + TVec{width - 2.5, 2.5 * i + 1}, 0.6),
         Hex(0x8A8AA0), 0.8);
  }
}

}  // namespace

TArtCanvas PaintInfoOnHoverGlyph() {
  TArtCanvas canvas(16, 16);
  DrawBadge(canvas, {9.5, 6.5}, 6, Hex(0x5A8EDA));
  Fill(canvas, Circle({9.5, 3.6}, 1.1), Hex(0xFFFFFF));
  Fill(canvas, Rectangle({8.6, 5.5, 10.4, 10}), Hex(0xFFFFFF));
  const TShape pointer =
      Polygon({{1, 5}, {1, 15}, {3.6, 12.6}, {5.4, 15.6}, {7, 14.8}, {5.3, 11.8}, {8.6, 11.5}});
  FillOutlined(canvas, pointer, Solid(Hex(0xFFFFFF)), kInk, 0.8);
  return canvas;
}

TArtCanvas PaintShowGridGlyph() {
  TArtCanvas canvas(16, 16);
  const TArtColor soil = Hex(0x9A6A40);
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 2; ++column) {
      const TVec at{1.0 + column * 6.5 + (1 - row) * 3, 2.5 + row * 5.5};
      FillOutlined(canvas, Tile(at, 6, 5, 3), LitPaint({at.x, at.y, at.x + 9, at.y + 5}, soil),
                   Hex(0x3A2416), 0.7);
    }
  }
  return canvas;
}

TArtCanvas PaintPauseGlyph() {
  TArtCanvas canvas(16, 16);
  const TArtColor amber = Hex(0xE0A030);
  for (double x : {4.0, 10.0}) {
    FillLit(canvas, Polygon({{x - 1.8, 2.5}, {x + 1.8, 2.5}, {x + 1.8, 13.5}, {x - 1.8, 13.5}}),
            amber, 0.9);
  }
  return canvas;
}

TArtCanvas PaintDebugGlyph() {
  TArtCanvas canvas(16, 16);
  for (int side = -1; side <= 1; side += 2) {
    for (int leg = 0; leg < 3; ++leg) {
      const TVec from{8 + side * 3.0, 7.0 + leg * 2.6};
      Fill(canvas, Line(from, from + TVec{side * 3.2, -1.0 + leg * 1.0}, 0.8), kInk);
    }
  }
  FillLit(canvas, Circle({8, 4.2}, 2.4), kInk, 0.5);
  const TShape shell = Ellipse({8, 9.6}, 4.8, 5.2);
  FillLit(canvas, shell, Hex(0xD8342A), 0.9);
  Fill(canvas, Line({8, 4.8}, {8, 14.6}, 0.7), kInk);
  for (TVec spot : {TVec{5.8, 8.2}, TVec{10.2, 8.2}, TVec{6.2, 11.6}, TVec{9.8, 11.6}}) {
    Fill(canvas, Circle(spot, 0.9), kInk);
  }
  return canvas;
}

TArtCanvas PaintHpIcon() {
  TArtCanvas canvas(16, 16);
  FillLit(canvas, Heart({8, 7.2}, 14), Hex(0xD83A4A), 0.9);
  Fill(canvas, Ellipse({4.8, 4.6}, 1.6, 1.0, Radians(-30)), Hex(0xFFFFFF), 0.7);
  return canvas;
}

TArtCanvas PaintManaIcon() {
  TArtCanvas canvas(16, 16);
  FillLit(canvas, Drop({8, 10}, 5), Hex(0x3A7AD8), 0.9);
  Fill(canvas, Ellipse({6.2, 9.2}, 1.2, 2.0, Radians(20)), Hex(0xFFFFFF), 0.7);
  DrawGlint(canvas, {12.8, 3.2}, 2.2, Hex(0xD8F2FF));
  return canvas;
}

TArtCanvas PaintCoordsIcon() {
  TArtCanvas canvas(17, 17);
  FillOutlined(canvas, Tile({1, 10}, 10, 5.5, 5), LitPaint({1, 10, 16, 15.5}, Hex(0x9A6A40)),
               Hex(0x3A2416), 0.7);
  const TShape pin =
      Union({Circle({8.5, 5}, 3.6), Polygon({{5.4, 6.6}, {11.6, 6.6}, {8.5, 12.6}})});
  FillLit(canvas, pin, Hex(0xE04848), 0.8);
  Fill(canvas, Circle({8.5, 5}, 1.3), Hex(0xFFF4F0));
  return canvas;
}

TArtCanvas PaintFlowerIcon() {
  TArtCanvas canvas(32, 32);
  DrawContactShadow(canvas, {16, 28}, 8, 2);
  DrawStem(canvas, QuadraticCurve({16, 28}, {14.5, 20}, {16, 13}), 2.2, 1.7, Hex(0x4E8A2E));
  DrawLeaf(canvas, {15.5, 25}, {6.5, 19}, 5.2, -1.0, Hex(0x68AC3C));
  DrawLeaf(canvas, {16, 22}, {25.5, 17}, 5.0, 1.0, Hex(0x5E9E36));
  // A closed bud: the flower is there, but what kind it is stays hidden.
  const TShape bud = Union({Ellipse({16, 9}, 5.4, 7), Polygon({{11, 10}, {21, 10}, {16, 1}})});
  FillLit(canvas, bud, Hex(0xB0A4C0), 0.9);
  DrawLeaf(canvas, {16, 15}, {11.2, 7.5}, 3.4, -0.4, Hex(0x5E9E36));
  DrawLeaf(canvas, {16, 15}, {20.8, 7.5}, 3.4, 0.4, Hex(0x5E9E36));
  return canvas;
}

TArtCanvas PaintCancelImage() {
  TArtCanvas canvas(32, 32);
  DrawBadge(canvas, {15.5, 15.5}, 14, Hex(0xD03A34));
  for (double angle : {Radians(45), Radians(135)}) {
    const TVec d = Direction(angle) * 7;
    FillOutlined(canvas, Line(TVec{15.5, 15.5} - d, TVec{15.5, 15.5} + d, 3.6),
                 Solid(Hex(0xFFF8F0)), Hex(0x7A1A16), 0.6);
  }
  return canvas;
}

TArtCanvas PaintAutocastMark() {
  TArtCanvas canvas(16, 16);
  DrawBadge(canvas, {7.5, 7.5}, 7.4, Hex(0x3E8A3A));
  const TVec centre{7.5, 7.5};
  for (double start : {Radians(-160), Radians(20)}) {
    const std::vector<TVec> arc = ArcPoints(centre, 4.2, start, start + Radians(125), 10);
    Fill(canvas, Stroke(arc, 1.5), Hex(0xFFF2B0));
    const TVec end = arc.back();
    const TVec along = end - arc[arc.size() - 2];
    Fill(canvas, ArrowHead(end + along * 2.0, along, 3.0, 3.6), Hex(0xFFF2B0));
  }
  return canvas;
}

TArtCanvas PaintSaveClickMapGlyph() {
  TArtCanvas canvas(16, 16);
  FillOutlined(canvas, Tile({1, 9}, 10, 5.5, 4), LitPaint({1, 9, 15, 14.5}, Hex(0x6A9AD8)),
               Hex(0x233A66), 0.7);
  const TShape arrow = Union({ArrowHead({8, 10.5}, {0, 1}, 4.5, 7), Rectangle({6.6, 1, 9.4, 6.5})});
  FillLit(canvas, arrow, Hex(0x4EA048), 0.8);
  return canvas;
}

TArtCanvas PaintCopyGlyph() {
  TArtCanvas canvas(16, 16);
  DrawSheet(canvas, {1.5, 1.5}, 9, 10.5);
  DrawSheet(canvas, {5.5, 4.5}, 9, 10.5);
  return canvas;
}

}  // namespace artgen
