#pragma once
// Curves and the organic shapes built from them: stems, leaves, petals, blades.
#include <vector>

#include "draw/shape.h"

namespace artgen {

// `segments` + 1 points along the quadratic Bezier curve from a to b.
std::vector<TVec> QuadraticCurve(TVec a, TVec control, TVec b, int segments = 12);

// A leaf from `base` to `tip`, `width` across at its widest, its midrib bowed sideways by
// `bend` pixels (positive bends to the right of the base-to-tip direction).
TShape Leaf(TVec base, TVec tip, double width, double bend = 0);

// A narrow pointed blade (grass, weed spikes): `width` at the base, a point at the tip.
TShape Blade(TVec base, TVec tip, double width, double bend = 0);

// The midrib points of a leaf or blade, from base to tip.
std::vector<TVec> Midrib(TVec base, TVec tip, double bend, int segments = 12);

}  // namespace artgen
