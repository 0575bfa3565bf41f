#pragma once
// Arithmetic on numbers that come from data files. Authors may write any 32-bit value, so a sum
// or product of two of them can leave 32 bits; such results are held at the nearest end of the
// 32-bit range instead of wrapping round to the other sign.
#include <atomic>
#include <cstdint>
#include <limits>

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

// `value` held within the 32-bit range.
constexpr int32_t SaturatedInt32(int64_t value) {
  if (value < kInt32Min) return kInt32Min;
  if (value > kInt32Max) return kInt32Max;
  return static_cast<int32_t>(value);
}

// `value` rounded toward zero and held within the 32-bit range; not-a-number gives 0.
int32_t SaturatedInt32(double value);

// Adds `delta` to `value` in one atomic step, held within the 32-bit range, and returns the
// result. `delta` must lie within +-2^62, which keeps the sum inside 64 bits.
int32_t AtomicAddSaturated(std::atomic<int32_t>& value, int64_t delta);
