#include "bench_scale.h"

#include <cstdlib>
#include <cstring>

bool QuickBench() {
  const char* quick = std::getenv("SW_BENCH_QUICK");
  return quick != nullptr && std::strcmp(quick, "1") == 0;
}

int64_t Scaled(int64_t full) { return QuickBench() ? full / 4 : full; }

int LargestBoardSide() { return QuickBench() ? 64 : 256; }
