#include "base/saturating.h"

#include <cmath>

int32_t SaturatedInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value <= kInt32Min) return kInt32Min;
  if (value >= kInt32Max) return kInt32Max;
  return static_cast<int32_t>(value);
}

int32_t AtomicAddSaturated(std::atomic<int32_t>& value, int64_t delta) {
  int32_t before = value.load();
  int32_t after = 0;
  do {
    after = SaturatedInt32(int64_t{before} + delta);
  } while (!value.compare_exchange_weak(before, after));
  return after;
}
