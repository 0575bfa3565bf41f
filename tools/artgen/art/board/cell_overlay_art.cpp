#include "art/board/cell_overlay_art.h"

#include <algorithm>
#include <cmath>

#include "art/board/cell_bevel.h"
#include "art/board/cell_geometry.h"
#include "art/board/lattice_texture.h"
#include "draw/curve.h"
#include "draw/fill.h"

namespace artgen {

namespace {

// How close a point is to the nearest cell edge: 1 on the edge, falling to 0 at `width`.
double NearEdge(TVec p, double width) {
  const TEdgeDistances d = DistancesToCellEdges(p);
  const double nearest = std::min({d.top, d.left, d.bottom, d.right});
  return Clamp01((width - nearest) / width + 0.25);
}

// Paints every pixel of the cell (pixel-centre rule) with `paint`.
TArtCanvas PaintInCell(const TPaint& paint) {
  TArtCanvas canvas(kCellImageWidth, kCellImageHeight);
  FillPixelCentres(canvas, CellShape(), paint);
  return canvas;
}

// A frame along the cell's edges of `width` pixels over a faint tint of the inside.
TArtCanvas PaintFrame(TArtColor edge, TArtColor tint, double width) {
  return PaintInCell([=](TVec p) {
    const double e = NearEdge(p, width);
    return e > 0 ? WithAlpha(Mix(tint, edge, e), tint.a + (edge.a - tint.a) * e) : tint;
  });
}

}  // namespace

TArtCanvas PaintCellBorder() { return PaintFrame(Hex(0x24160C, 0.45), Hex(0x24160C, 0.0), 0.9); }

TArtCanvas PaintCellBorderOver() {
  return PaintFrame(Hex(0xFFF6D0, 0.85), Hex(0xFFF6D0, 0.14), 1.4);
}

TArtCanvas PaintCellBorderSelected() {
  TArtCanvas canvas = PaintFrame(Hex(0xFFD23C, 0.95), Hex(0xFFE690, 0.2), 2.0);
  // A thin dark line inside the gold keeps the frame readable on light soils.
  TArtCanvas inner = PaintInCell([](TVec p) {
    const TEdgeDistances d = DistancesToCellEdges(p);
    const double nearest = std::min({d.top, d.left, d.bottom, d.right});
    return Hex(0x7A4A00, nearest > 1.6 && nearest < 2.4 ? 0.45 : 0.0);
  });
  canvas.Draw(inner, 0, 0);
  return canvas;
}

TArtCanvas PaintCellNonSelectable() {
  // A dark veil with hatching along the slant, so the cell reads as "not here" at a glance.
  return PaintInCell([](TVec p) {
    const TVec uv = LatticeCoords(p);
    const double hatch = uv.x * 9 - std::floor(uv.x * 9) < 0.16 ? 0.18 : 0.0;
    return Hex(0x1C1228, 0.40 + hatch);
  });
}

TArtCanvas PaintCellNull() {
  // Bare stone where nothing can grow.
  TArtCanvas canvas = PaintInCell([](TVec p) {
    const double coarse = LatticeNoise(p, 10, 0xB01);
    const double fine = LatticeNoise(p, 30, 0xB02, 2);
    const double t = 0.5 + (coarse - 0.5) * 1.1 + (fine - 0.5) * 0.6;
    return ColorAt({{0.0, Hex(0x6E6A66)}, {0.5, Hex(0x8E8984)}, {1.0, Hex(0xAEA89F)}}, t);
  });
  for (int i = 0; i < 4; ++i) {
    const TVec uv{FeatureRandom(0xB03, i, 0), FeatureRandom(0xB03, i, 1)};
    DrawWrapped(uv, [&](TVec at) {
      const TVec d = Direction(FeatureRandom(0xB03, i, 2) * kPi) * 4;
      const std::vector<TVec> crack{at - d, at + TVec{0.8, 0.6}, at + d};
      Fill(canvas, Stroke(crack, 0.9, 0.4), Hex(0x403C3A), 0.8);
    });
  }
  for (int i = 0; i < 7; ++i) {
    const TVec uv{FeatureRandom(0xB04, i, 0), FeatureRandom(0xB04, i, 1)};
    DrawWrapped(uv, [&](TVec at) {
      Fill(canvas, Ellipse(at, 2.4, 1.2), Hex(0x6E8A3A), 0.85);
      Fill(canvas, Ellipse(at + TVec{-0.6, -0.4}, 1.2, 0.6), Hex(0x9AB654), 0.8);
    });
  }
  KeepInside(canvas, CellShape());
  ApplyCellBevel(canvas, 2.0);
  return canvas;
}

}  // namespace artgen
