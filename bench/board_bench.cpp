// The game on large boards: one turn-mode tick against the plain loop over as many handler
// calls, loading against parsing the map file and laying out its click map, and the growth of
// loading, tearing down and levelling up with the number of bloomers.
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "bench_scale.h"
#include "bench_subscribers.h"
#include "config/config_store.h"
#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"

namespace {

// 128 x 128 board, 10,000 bloomers.
int TickBloomers() { return static_cast<int>(Scaled(10000)); }

// Each bloomer and its recharging link, and the two players.
int TickHandlers() { return 2 * TickBloomers() + 2; }

void BM_TurnTickFloor(benchmark::State& state) {
  const TSubscribers subscribers(TickHandlers());
  const WideString key = u"tick";
  for (auto _ : state) subscribers.CallAll(key);
  state.counters["calls"] = static_cast<double>(subscribers.Calls());
}

void BM_TurnTick(benchmark::State& state) {
  TBenchGame game;
  game.Load(BloomerBoard(TickBloomers(), kRechargingBloomers));
  for (auto _ : state) game.Session().Game().DeliverTick();
  state.counters["ticks"] = game.Session().Config().Ticks();
}

void BM_LoadBloomers(benchmark::State& state) {
  TBenchGame game;
  const WideString board = BloomerBoard(static_cast<int>(state.range(0)), kRechargingBloomers);
  for (auto _ : state) {
    game.Load(board);
    state.PauseTiming();
    game.Clear();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

void BM_DestroyBloomers(benchmark::State& state) {
  TBenchGame game;
  const WideString board = BloomerBoard(static_cast<int>(state.range(0)), kRechargingBloomers);
  for (auto _ : state) {
    state.PauseTiming();
    game.Load(board);
    state.ResumeTiming();
    game.Clear();
  }
  state.SetComplexityN(state.range(0));
}

void BM_LevelUpTick(benchmark::State& state) {
  TBenchGame game;
  const WideString board =
      BloomerBoard(static_cast<int>(state.range(0)), kBloomersLevellingOnFirstTick);
  for (auto _ : state) {
    state.PauseTiming();
    game.Load(board);
    state.ResumeTiming();
    game.Session().Game().DeliverTick();
    state.PauseTiming();
    game.Clear();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

// The map file of the load comparison: 128 x 128, 10,000 bloomers.
const TBenchMapShape& LoadComparisonMap() {
  static const TBenchMapShape shape{128, 128, TickBloomers(), kRechargingBloomers.Sections};
  return shape;
}

void BM_LoadMap(benchmark::State& state) {
  TBenchGame game;
  const WideString board = WriteBenchMap("bench load", LoadComparisonMap());
  for (auto _ : state) {
    game.Load(board);
    state.PauseTiming();
    game.Clear();
    state.ResumeTiming();
  }
}

void BM_ParseMapAndClickMap(benchmark::State& state) {
  TBenchGame game;
  const WideString board = WriteBenchMap("bench load", LoadComparisonMap());
  const WideString file = BenchDataDir() + u"/maps/bench load.ini";
  game.Session().Map().SetCellsX(LoadComparisonMap().Width);
  game.Session().Map().SetCellsY(LoadComparisonMap().Height);
  TStringListW objects;
  for (auto _ : state) {
    TMemIniFileW ini(file);
    ini.ReadSectionValues(u"Objects of Player1", objects);
    game.Session().Map().RebuildClickMap();
  }
  state.counters["objects"] = objects.Count();
}

void GrowthSizes(benchmark::internal::Benchmark* bench) {
  bench->RangeMultiplier(2)
      ->Range(Scaled(1 << 12) / 4, Scaled(1 << 14))
      ->Complexity()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(2)
      ->Repetitions(3);
}

}  // namespace

BENCHMARK(BM_TurnTickFloor);
BENCHMARK(BM_TurnTick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBloomers)->Apply(GrowthSizes);
BENCHMARK(BM_DestroyBloomers)->Apply(GrowthSizes);
BENCHMARK(BM_LevelUpTick)->Apply(GrowthSizes);
BENCHMARK(BM_LoadMap)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ParseMapAndClickMap)->Unit(benchmark::kMillisecond)->Iterations(2);
