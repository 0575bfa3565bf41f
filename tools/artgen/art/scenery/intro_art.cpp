#include "art/scenery/intro_art.h"

#include <cmath>

#include "art/parts/plant_parts.h"
#include "draw/fill.h"
#include "draw/noise.h"

namespace artgen {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 360;

// Height of a soft hill line at x: a sum of slow waves.
double HillLine(double x, double base, double amplitude, double phase) {
  return base -
         amplitude * (std::sin(x / 70.0 + phase) * 0.6 + std::sin(x / 31.0 + phase * 2) * 0.25);
}

TArtColor PaperAt(int x, int y) {
  const double wash = FractalNoise(x / 60.0, y / 60.0, 3, 0x1101);
  TArtColor paper = Mix(Hex(0xF1E6CE), Hex(0xFBF6EA), wash);
  const double t = y / double(kHeight);
  paper = Mix(paper, Hex(0xDCEAF4), 0.55 * (1 - SmoothStep(0.0, 0.45, t)));
  const double far = HillLine(x, kHeight * 0.72, 14, 0.7);
  const double near = HillLine(x, kHeight * 0.84, 10, 2.1);
  if (y > far) paper = Mix(paper, Hex(0xC8DDB0), 0.55 * SmoothStep(far, far + 6, y));
  if (y > near) paper = Mix(paper, Hex(0xA9CC86), 0.6 * SmoothStep(near, near + 5, y));
  // The edges of the sheet darken a little, as old paper does.
  const double edge = std::min({x, y, kWidth - 1 - x, kHeight - 1 - y}) / 18.0;
  return Mix(Hex(0xC9B48E), paper, SmoothStep(0.0, 1.0, edge));
}

}  // namespace

TArtCanvas PaintIntroBackground() {
  TArtCanvas canvas(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) canvas.Set(x, y, PaperAt(x, y));
  }
  const TArtColor petals[] = {Hex(0xF0A0B0), Hex(0xF6D27A), Hex(0xC4A8EC), Hex(0xFFF1D8)};
  for (int i = 0; i < 14; ++i) {
    const TVec foot{20 + 440 * Hash01(i, 0, 0x1102), kHeight - 14 - 22 * Hash01(i, 1, 0x1102)};
    const double height = 16 + 14 * Hash01(i, 2, 0x1102);
    const TVec head = foot + TVec{(Hash01(i, 3, 0x1102) - 0.5) * 8, -height};
    Fill(canvas, Line(foot, head, 1.6, 1.0), Hex(0x7FA660), 0.7);
    DrawBlossom(canvas, head, 4.5 + 2 * Hash01(i, 4, 0x1102), petals[i % 4]);
  }
  return canvas;
}

}  // namespace artgen
