#include "draw/noise.h"

#include <cmath>

namespace artgen {

namespace {

int Wrap(int v, int period) {
  if (period <= 0) return v;
  const int m = v % period;
  return m < 0 ? m + period : m;
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double Hash01(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

double ValueNoise(double x, double y, uint32_t seed, int periodX, int periodY) {
  const double fx = std::floor(x), fy = std::floor(y);
  const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
  const double tx = Smooth(x - fx), ty = Smooth(y - fy);
  auto at = [&](int dx, int dy) {
    return Hash01(Wrap(x0 + dx, periodX), Wrap(y0 + dy, periodY), seed);
  };
  const double top = at(0, 0) + (at(1, 0) - at(0, 0)) * tx;
  const double bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * tx;
  return top + (bottom - top) * ty;
}

double FractalNoise(double x, double y, int octaves, uint32_t seed, int periodX, int periodY) {
  double sum = 0, weight = 1, total = 0, scale = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(x * scale, y * scale, seed + i * 101u, periodX * static_cast<int>(scale),
                      periodY * static_cast<int>(scale)) *
           weight;
    total += weight;
    weight *= 0.5;
    scale *= 2;
  }
  return sum / total;
}

}  // namespace artgen
