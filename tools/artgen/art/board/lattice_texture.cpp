#include "art/board/lattice_texture.h"

#include <algorithm>
#include <cmath>

#include "art/board/cell_geometry.h"
#include "draw/noise.h"

namespace artgen {

double LatticeNoise(TVec p, int detail, uint32_t seed, int octaves) {
  const TVec uv = LatticeCoords(p);
  const int rows = std::max(1, detail * kCellHeight / kColumnStep);
  return FractalNoise(uv.x * detail, uv.y * rows, octaves, seed, detail, rows);
}

void DrawWrapped(TVec uv, const std::function<void(TVec)>& draw) {
  const TVec wrapped{uv.x - std::floor(uv.x), uv.y - std::floor(uv.y)};
  for (int dv = -1; dv <= 1; ++dv) {
    for (int du = -1; du <= 1; ++du) draw(FromLatticeCoords({wrapped.x + du, wrapped.y + dv}));
  }
}

double FeatureRandom(uint32_t seed, int index, int component) {
  return Hash01(index, component, seed);
}

}  // namespace artgen
