#include "art/icons/ability_icon_art.h"

#include "art/parts/icon_parts.h"
#include "art/parts/plant_parts.h"
#include "draw/curve.h"
#include "draw/fill.h"

namespace artgen {

namespace {

const TArtColor kSeedBrown = Hex(0xC98E4E);
const TArtColor kLeafGreen = Hex(0x6CB040);
const TArtColor kStoneGrey = Hex(0xA8A090);

void DrawSeedGrain(TArtCanvas& canvas, TVec centre, double size, double angle) {
  FillLit(canvas, Ellipse(centre, size, size * 0.62, angle), kSeedBrown, 0.7);
}

void DrawMound(TArtCanvas& canvas, TVec centre, double rx, double ry) {
  FillLit(canvas, Ellipse(centre, rx, ry), Hex(0x7E5434));
}

// A spade: wooden handle from `grip` down to the iron blade ending at `edge`.
void DrawSpade(TArtCanvas& canvas, TVec grip, TVec edge, double bladeWidth) {
  const TVec along = (edge - grip) * (1.0 / Length(edge - grip));
  const TVec side{-along.y, along.x};
  const TVec neck = edge - along * (bladeWidth * 1.3);
  FillLit(canvas, Line(grip, neck, 1.8), Hex(0xB07A44), 0.6);
  FillLit(canvas, Line(grip - side * 1.6, grip + side * 1.6, 1.6), Hex(0xB07A44), 0.6);
  FillLit(canvas,
          Polygon({neck + side * (bladeWidth / 2), neck - side * (bladeWidth / 2),
                   edge - side * (bladeWidth * 0.4) + along * 0.3, edge + along * 0.9,
                   edge + side * (bladeWidth * 0.4) + along * 0.3}),
          Hex(0xB8C0CC), 0.7);
}

// A dandelion puff of seeds on fine stalks, rimmed in grey so it shows on light and dark.
void DrawPuff(TArtCanvas& canvas, TVec centre, double radius, int seeds) {
  Fill(canvas, Circle(centre, radius + 0.8), Hex(0x8A93A8, 0.55));
  Fill(canvas, Circle(centre, radius), Hex(0xF4F6FA, 0.75));
  for (int i = 0; i < seeds; ++i) {
    const TVec d = Direction(2 * kPi * i / seeds);
    Fill(canvas, Line(centre, centre + d * radius, 0.5), Hex(0xB8BCC8), 0.9);
    Fill(canvas, Circle(centre + d * radius, radius * 0.13), Hex(0xFFFFFF));
  }
  Fill(canvas, Circle(centre, radius * 0.3), Hex(0xA8823E));
}

// A seed flying on its tuft, trailing to the lower left.
void DrawFlyingSeed(TArtCanvas& canvas, TVec at, double size) {
  Fill(canvas, Line(at, at + TVec{-1.3, 0.8} * size, 0.6), Hex(0x8A6A3A));
  Fill(canvas, Circle(at + TVec{-1.3, 0.8} * size, 0.5), Hex(0x6A4A22));
  for (int i = -1; i <= 1; ++i) {
    Fill(canvas, Line(at, at + Direction(Radians(-60 + 30 * i)) * size, 0.7), Hex(0x7A8298));
    Fill(canvas, Line(at, at + Direction(Radians(-60 + 30 * i)) * size, 0.4), Hex(0xFFFFFF));
  }
}

}  // namespace

TArtCanvas PaintSeedAbility16() {
  TArtCanvas canvas(16, 16);
  DrawBadge(canvas, {7.5, 7.5}, 7.2, Hex(0xF2E2B8));
  DrawSeedGrain(canvas, {6.4, 9.6}, 3.4, Radians(-25));
  DrawLeaf(canvas, {8.6, 7.2}, {11.8, 3.4}, 2.8, 0.4, kLeafGreen);
  return canvas;
}

TArtCanvas PaintSeedAbility32() {
  TArtCanvas canvas(32, 32);
  DrawMound(canvas, {15, 26}, 12, 4.5);
  DrawSeedGrain(canvas, {22, 6}, 2.6, Radians(30));
  DrawSeedGrain(canvas, {17, 12}, 2.8, Radians(10));
  DrawSeedGrain(canvas, {11.5, 19.5}, 3.0, Radians(-20));
  for (int i = 0; i < 3; ++i)
    Fill(canvas, Circle({25.5 - i * 1.6, 3.2 - i * 0.1}, 0.6), Hex(0xFFFFFF), 0.6);
  DrawStem(canvas, QuadraticCurve({17, 25}, {16.5, 21}, {18, 18.5}), 1.6, 1.2, Hex(0x5E9E34));
  DrawLeaf(canvas, {18, 18.5}, {23.5, 16}, 3.4, 0.5, Hex(0x8CCB4E));
  return canvas;
}

TArtCanvas PaintVegetateAbility16() {
  TArtCanvas canvas(16, 16);
  DrawBadge(canvas, {7.5, 7.5}, 7.2, Hex(0xCDE8A8));
  DrawLeaf(canvas, {7.5, 12}, {2.8, 5.5}, 3.6, -0.5, Hex(0x4E9A32));
  DrawLeaf(canvas, {7.5, 12}, {12.4, 5.2}, 3.6, 0.5, Hex(0x5EAA3A));
  DrawLeaf(canvas, {7.5, 12}, {7.8, 2.8}, 3.4, 0.2, Hex(0x78BE46));
  return canvas;
}

TArtCanvas PaintVegetateAbility32() {
  TArtCanvas canvas(32, 32);
  DrawMound(canvas, {16, 27}, 12, 4);
  Fill(canvas, Circle({16, 16}, 14),
       RadialGradient({16, 16}, 14, {{0, Hex(0xE8FFB0, 0.55)}, {1, Hex(0xE8FFB0, 0.0)}}));
  DrawLeaf(canvas, {15, 26}, {4, 14}, 6.5, -1.2, Hex(0x4E9A32));
  DrawLeaf(canvas, {17, 26}, {28, 13}, 6.5, 1.2, Hex(0x56A236));
  DrawLeaf(canvas, {16, 26}, {11, 6}, 6.0, -0.8, Hex(0x6AB03E));
  DrawLeaf(canvas, {16, 26}, {22, 5}, 6.0, 0.8, Hex(0x7CBE48));
  DrawStem(canvas, ArcPoints({20, 10}, 3.2, kPi * 0.9, kPi * 2.4), 1.0, 0.7, Hex(0x5E9E34));
  DrawGlint(canvas, {6, 6}, 2.2, Hex(0xF6FFD8));
  DrawGlint(canvas, {27.5, 22}, 1.8, Hex(0xF6FFD8));
  return canvas;
}

TArtCanvas PaintSpreadAbility16() {
  TArtCanvas canvas(16, 16);
  DrawBadge(canvas, {7.5, 7.5}, 7.2, Hex(0xBFDDF2));
  DrawPuff(canvas, {6, 8.5}, 3.6, 9);
  DrawFlyingSeed(canvas, {12.6, 4.2}, 1.8);
  DrawFlyingSeed(canvas, {13, 9.6}, 1.8);
  return canvas;
}

TArtCanvas PaintSpreadAbility32() {
  TArtCanvas canvas(32, 32);
  DrawStem(canvas, QuadraticCurve({11, 30}, {9, 20}, {11, 13}), 1.6, 1.2, Hex(0x5E9432));
  DrawLeaf(canvas, {10.5, 28}, {4, 24}, 3.4, -0.6, Hex(0x62A23A));
  Fill(canvas, Circle({11, 12}, 8), Hex(0xEAF4FF, 0.35));
  DrawPuff(canvas, {11, 12}, 7, 16);
  for (TVec at : {TVec{22, 5}, TVec{26.5, 11}, TVec{22.5, 16}, TVec{28.5, 3.5}}) {
    DrawFlyingSeed(canvas, at, 2.4);
  }
  return canvas;
}

TArtCanvas PaintRemovePathAbility16() {
  TArtCanvas canvas(16, 16);
  DrawBadge(canvas, {7.5, 7.5}, 7.2, Hex(0xE4DCCC));
  FillLit(canvas, Ellipse({7.5, 10.8}, 5, 2.2), kStoneGrey, 0.7);
  const TShape lift =
      Union({ArrowHead({7.5, 1.8}, {0, -1}, 3.6, 6), Rectangle({6.5, 5, 8.5, 8.2})});
  FillLit(canvas, lift, Hex(0xF2B632), 0.6);
  return canvas;
}

TArtCanvas PaintRemovePathAbility32() {
  TArtCanvas canvas(32, 32);
  FillLit(canvas, Ellipse({16, 27.5}, 13, 3.6), Hex(0x6E4A2E));
  const TShape stone = Ellipse({12.5, 19}, 9, 3.6, Radians(-14));
  FillLit(canvas, stone, kStoneGrey, 0.9);
  Fill(canvas, Ellipse({10.5, 17.8}, 4, 1.1, Radians(-14)), Hex(0xEEE8DA), 0.6);
  DrawSpade(canvas, {28, 3}, {20.5, 20.5}, 6.5);
  for (int i = 0; i < 4; ++i)
    Fill(canvas, Circle({5.0 + i * 2.2, 25.5 - (i % 2) * 1.4}, 0.7), Hex(0x9C7A56), 0.8);
  return canvas;
}

}  // namespace artgen
