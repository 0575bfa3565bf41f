#include "base/rounding.h"

#include <cmath>

#include "base/saturating.h"

int32_t RoundTiesEven(double value) { return SaturatedInt32(std::nearbyint(value)); }

int32_t PercentTiesEven(int32_t part, int32_t whole) {
  const int64_t scaled = int64_t{part} * 100;
  int64_t quotient = scaled / whole;
  int64_t remainder = scaled % whole;
  if (remainder < 0) {  // floor, so that the remainder below is never negative
    --quotient;
    remainder += whole;
  }
  const int64_t twice = remainder * 2;
  if (twice > whole || (twice == whole && quotient % 2 != 0)) ++quotient;
  return SaturatedInt32(quotient);
}
