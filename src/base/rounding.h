#pragma once
#include <cstdint>

// Rounds to the nearest integer, ties to even (2.5 gives 2, 3.5 gives 4).
int32_t RoundTiesEven(double value);
