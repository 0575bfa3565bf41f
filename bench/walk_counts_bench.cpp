// Counting the walks of area damage, radius against radius: each step costs one pass over the
// cells in reach, so doubling the radius should cost about twice the steps times the larger
// reach, where walking the walks one by one cost 9 times more per step. A radius far beyond the
// board costs what the radius at which every count is held costs.
#include <benchmark/benchmark.h>

#include "map/walk_counts.h"

namespace {

void BM_CountWalks(benchmark::State& state) {
  const auto radius = static_cast<int32_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(CountWalks(64, 64, 32, 32, radius));
}

}  // namespace

BENCHMARK(BM_CountWalks)->Arg(4)->Arg(8)->Arg(16)->Arg(32)->Arg(2147483647);
