#pragma once
#include <cstdint>

// Rounds to the nearest integer, ties to even (2.5 gives 2, 3.5 gives 4); held within the 32-bit
// range.
int32_t RoundTiesEven(double value);

// part x 100 / whole, exactly, rounded to the nearest integer with ties to even (23 of 40 gives
// 58, which a binary fraction of 0.575 misses), held within the 32-bit range. `whole` must be
// positive.
int32_t PercentTiesEven(int32_t part, int32_t whole);
