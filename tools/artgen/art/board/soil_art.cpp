#include "art/board/soil_art.h"

#include <functional>

#include "art/board/cell_bevel.h"
#include "art/board/cell_geometry.h"
#include "art/board/lattice_texture.h"
#include "art/parts/ground_parts.h"
#include "draw/curve.h"
#include "draw/fill.h"

namespace artgen {

namespace {

struct TSoilLook {
  TArtColor dark, base, light;
  uint32_t seed;
  double contrast;  // how strongly the mottling shows
};

// Mottled ground: two scales of lattice noise mixed through the soil's three tones.
TArtCanvas PaintGround(const TSoilLook& look) {
  TArtCanvas canvas(kCellImageWidth, kCellImageHeight);
  const auto paint = [look](TVec p) {
    const double coarse = LatticeNoise(p, 12, look.seed);
    const double fine = LatticeNoise(p, 36, look.seed + 7, 2);
    const double t = 0.5 + ((coarse - 0.5) * 0.7 + (fine - 0.5) * 0.5) * look.contrast;
    return ColorAt({{0.0, look.dark}, {0.5, look.base}, {1.0, look.light}}, t);
  };
  FillPixelCentres(canvas, CellShape(), paint);
  return canvas;
}

// `count` features at repeatable random lattice positions, each wrapped across the seams.
void Scatter(TArtCanvas& canvas, int count, uint32_t seed,
             const std::function<void(TArtCanvas&, TVec, int)>& draw) {
  for (int i = 0; i < count; ++i) {
    const TVec uv{FeatureRandom(seed, i, 0), FeatureRandom(seed, i, 1)};
    DrawWrapped(uv, [&](TVec at) { draw(canvas, at, i); });
  }
}

TArtCanvas Finish(TArtCanvas canvas) {
  KeepInside(canvas, CellShape());
  ApplyCellBevel(canvas);
  return canvas;
}

void AddPebbles(TArtCanvas& canvas, int count, uint32_t seed, TArtColor color) {
  Scatter(canvas, count, seed, [seed, color](TArtCanvas& c, TVec at, int i) {
    const double size = 0.9 + FeatureRandom(seed, i, 2) * 1.1;
    DrawPebble(c, at, size * 1.2, size * 0.8,
               Mix(color, Hex(0x7A6A58), FeatureRandom(seed, i, 3) * 0.6));
  });
}

void AddSpecks(TArtCanvas& canvas, int count, uint32_t seed, TArtColor color, double opacity) {
  Scatter(canvas, count, seed, [seed, color, opacity](TArtCanvas& c, TVec at, int i) {
    DrawSpeck(c, at, 0.45 + FeatureRandom(seed, i, 2) * 0.35, color, opacity);
  });
}

}  // namespace

TArtCanvas PaintPlainSoil() {
  TArtCanvas canvas = PaintGround({Hex(0x6B4329), Hex(0x8A5C3A), Hex(0xA77650), 0x501, 1.2});
  AddSpecks(canvas, 26, 0x502, Hex(0x4A2C1A), 0.7);
  AddSpecks(canvas, 14, 0x503, Hex(0xC49A6C), 0.5);
  AddPebbles(canvas, 3, 0x504, Hex(0x9C8A70));
  return Finish(canvas);
}

TArtCanvas PaintClaySoil() {
  TArtCanvas canvas = PaintGround({Hex(0x9C5232), Hex(0xB76A42), Hex(0xCF8A5C), 0x601, 0.9});
  // Dry cracks: short jagged lines in the dark of the clay.
  Scatter(canvas, 5, 0x602, [](TArtCanvas& c, TVec at, int i) {
    const double angle = FeatureRandom(0x603, i, 0) * kPi;
    const TVec step = Direction(angle) * 3.2;
    const TVec bend = Direction(angle + kPi / 2) * (FeatureRandom(0x603, i, 1) - 0.5) * 2.5;
    const std::vector<TVec> crack{at - step * 1.5, at - step * 0.5 + bend, at + step * 0.5,
                                  at + step * 1.4 + bend};
    Fill(c, Stroke(crack, 0.9, 0.4), Hex(0x6A3018), 0.75);
    Fill(c, Moved(Stroke(crack, 0.6, 0.3), {0.5, 0.6}), Hex(0xE3A57A), 0.35);
  });
  AddSpecks(canvas, 16, 0x604, Hex(0xE8B088), 0.5);
  AddPebbles(canvas, 2, 0x605, Hex(0xC09070));
  return Finish(canvas);
}

TArtCanvas PaintLoamySoil() {
  TArtCanvas canvas = PaintGround({Hex(0x4F3220), Hex(0x6E4A2F), Hex(0x8C6240), 0x701, 1.3});
  // Crumbly clods, lit like little pebbles but in the soil's own colour.
  Scatter(canvas, 16, 0x702, [](TArtCanvas& c, TVec at, int i) {
    const double size = 0.7 + FeatureRandom(0x702, i, 2) * 0.8;
    DrawPebble(c, at, size * 1.4, size, Hex(0x7E5636));
  });
  // Bits of straw and root.
  Scatter(canvas, 6, 0x703, [](TArtCanvas& c, TVec at, int i) {
    const TVec d = Direction(FeatureRandom(0x703, i, 2) * kPi) * 2.2;
    Fill(c, Line(at - d, at + d, 0.6), Hex(0xC9A465), 0.8);
  });
  AddSpecks(canvas, 20, 0x704, Hex(0x2E1C10), 0.7);
  return Finish(canvas);
}

TArtCanvas PaintFertileSoil() {
  TArtCanvas canvas = PaintGround({Hex(0x2E1D12), Hex(0x45301F), Hex(0x5E4330), 0x801, 1.2});
  AddSpecks(canvas, 24, 0x802, Hex(0x7A5A40), 0.6);
  // Moss and tiny sprigs: the soil is alive.
  Scatter(canvas, 14, 0x803, [](TArtCanvas& c, TVec at, int i) {
    DrawSpeck(c, at, 0.6 + FeatureRandom(0x803, i, 2) * 0.5, Hex(0x6E9A3A), 0.85);
  });
  Scatter(canvas, 4, 0x804, [](TArtCanvas& c, TVec at, int) {
    Fill(c, Leaf(at, at + TVec{-1.6, -2.2}, 1.3), Hex(0x8CC04C));
    Fill(c, Leaf(at, at + TVec{1.8, -1.9}, 1.3), Hex(0x76AE40));
  });
  AddSpecks(canvas, 8, 0x805, Hex(0xE8DCC0), 0.45);
  return Finish(canvas);
}

}  // namespace artgen
