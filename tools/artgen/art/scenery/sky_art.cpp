#include "art/scenery/sky_art.h"

#include <vector>

#include "draw/coverage_mask.h"
#include "draw/fill.h"
#include "draw/noise.h"
#include "draw/paint.h"

namespace artgen {

namespace {

constexpr int kSkyWidth = 256;
constexpr int kSkyHeight = 1024;

TArtColor SkyAt(int x, int y) {
  const TArtColor base = ColorAt({{0.00, Hex(0x3F6FB8)},
                                  {0.35, Hex(0x79AADF)},
                                  {0.55, Hex(0xB5D4EE)},
                                  {0.72, Hex(0xEDE6D2)},
                                  {1.00, Hex(0xF3D6A8)}},
                                 y / double(kSkyHeight));
  // Faint high wisps, repeating with the tile's width.
  const double wisp = FractalNoise(x / 64.0, y / 14.0, 3, 0xA01, kSkyWidth / 64, 0);
  const double strength =
      SmoothStep(0.55, 0.8, wisp) * 0.22 * (1 - SmoothStep(0.4, 0.7, y / double(kSkyHeight)));
  return Mix(base, Hex(0xFFFBF2), strength);
}

struct TPuff {
  TVec centre;
  double radius;
};

// A cloud of overlapping puffs: soft-edged, warm white where the light meets it at the
// top-left, lavender grey underneath.
TArtCanvas PaintPuffs(int width, int height, const std::vector<TPuff>& puffs, double flatBottom) {
  TCoverageMask mask(width, height);
  std::vector<TShape> circles;
  for (const TPuff& puff : puffs) circles.push_back(Circle(puff.centre, puff.radius));
  mask.Add(Subtract(Union(circles), Rectangle({0, flatBottom, double(width), double(height)})));
  mask.Blur(2.2);
  TArtCanvas canvas(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const TVec p{x + 0.5, y + 0.5};
      double light = 0;
      for (const TPuff& puff : puffs) {
        const TVec toward = p - (puff.centre + TVec{-0.35, -0.45} * puff.radius);
        light = std::max(light, 1 - Length(toward) / (puff.radius * 1.6));
      }
      const double underside = SmoothStep(flatBottom - 16, flatBottom, y);
      TArtColor c = Mix(Hex(0xD6D3E6), Hex(0xFFFDF6), Clamp01(light * 1.3));
      c = Mix(c, Hex(0xB4B0CC), underside * 0.6);
      canvas.Blend(x, y, c, mask.At(x, y) * 0.95);
    }
  }
  return canvas;
}

}  // namespace

TArtCanvas PaintSkyBackground() {
  TArtCanvas canvas(kSkyWidth, kSkyHeight);
  for (int y = 0; y < kSkyHeight; ++y) {
    for (int x = 0; x < kSkyWidth; ++x) canvas.Set(x, y, SkyAt(x, y));
  }
  return canvas;
}

TArtCanvas PaintCloud() {
  return PaintPuffs(150, 62,
                    {{{30, 42}, 15},
                     {{55, 30}, 21},
                     {{84, 25}, 20},
                     {{108, 36}, 16},
                     {{126, 44}, 11},
                     {{70, 44}, 16}},
                    56);
}

TArtCanvas PaintMovingCloud() {
  return PaintPuffs(104, 40, {{{22, 27}, 10}, {{42, 19}, 13}, {{63, 18}, 12}, {{82, 26}, 9}}, 34);
}

TArtCanvas PaintSun() {
  constexpr int kSize = 96;
  const TVec centre{kSize / 2.0, kSize / 2.0};
  TArtCanvas canvas(kSize, kSize);
  Fill(canvas, Circle(centre, kSize / 2.0),
       RadialGradient(centre, kSize / 2.0,
                      {{0.0, Hex(0xFFF4C8, 0.9)},
                       {0.35, Hex(0xFFE9A0, 0.45)},
                       {0.6, Hex(0xFFD98A, 0.15)},
                       {1.0, Hex(0xFFD98A, 0.0)}}));
  for (int i = 0; i < 12; ++i) {
    const TVec d = Direction(2 * kPi * i / 12 + 0.13);
    Fill(canvas, Line(centre + d * 20, centre + d * (i % 2 ? 34 : 42), 3.2, 0.4), Hex(0xFFE8A8),
         0.45);
  }
  const TShape disc = Circle(centre, 17);
  Fill(canvas, Grown(disc, 1.0), Hex(0xF5B847));
  Fill(canvas, disc,
       RadialGradient(centre + TVec{-5, -6}, 24,
                      {{0.0, Hex(0xFFFDEB)}, {0.5, Hex(0xFFE27A)}, {1.0, Hex(0xF9B541)}}));
  return canvas;
}

}  // namespace artgen
