#pragma once
// Texture helpers for art that covers whole cells: noise and features that repeat with the
// board's lattice, so that a board of identical cells reads as one continuous surface.
#include <cstdint>
#include <functional>

#include "draw/art_canvas.h"
#include "draw/vec.h"

namespace artgen {

// Fractal noise over the cell lattice in 0..1, repeating once per column and per row;
// `detail` is the number of noise cells across a column (rows get about 6 times fewer).
double LatticeNoise(TVec p, int detail, uint32_t seed, int octaves = 3);

// Calls `draw` with the point `uv` (lattice coordinates) placed in the cell at P and in its
// eight neighbours, so that a feature cut by one cell's edge continues in the next.
void DrawWrapped(TVec uv, const std::function<void(TVec)>& draw);

// A repeatable random number in 0..1 for the feature `index` of the set `seed`.
double FeatureRandom(uint32_t seed, int index, int component);

}  // namespace artgen
