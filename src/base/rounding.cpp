#include "base/rounding.h"

#include <cmath>

int32_t RoundTiesEven(double value) { return static_cast<int32_t>(std::nearbyint(value)); }
