#pragma once
// Smooth value noise for painterly texture. A period (in noise cells, 0 for none) makes the
// noise repeat, so that tiles of it join without seams.
#include <cstdint>

namespace artgen {

// A repeatable pseudo-random number in 0..1 for the integer pair and seed.
double Hash01(int x, int y, uint32_t seed);

// Noise in 0..1, one random value per integer grid point, smoothly blended between.
double ValueNoise(double x, double y, uint32_t seed, int periodX = 0, int periodY = 0);

// Several octaves of value noise (each twice as fine and half as strong), in 0..1.
double FractalNoise(double x, double y, int octaves, uint32_t seed, int periodX = 0,
                    int periodY = 0);

}  // namespace artgen
