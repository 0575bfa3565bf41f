// What a board costs: the heap kept per empty cell and per bloomer with one link (the click map
// counted apart), and the headless runner's start on empty boards, whose cost per cell should
// not grow with the board.
#include <benchmark/benchmark.h>

#include <ostream>

#include "base/utf8.h"
#include "bench_data.h"
#include "bench_scale.h"
#include "game/game_session.h"
#include "heap_counter.h"
#include "sim/simulation.h"

namespace {

// The click map keeps the cell shape's mask.
int64_t ClickMapHeapBytes(const TClickMap& clickMap) {
  return static_cast<int64_t>(clickMap.HeapSize());
}

// The live heap a started game on the board keeps, without its click map.
int64_t GameHeapBytes(const WideString& mapName) {
  const int64_t before = LiveHeapBytes();
  TSWGameSession session(BenchDataDir(), mapName, tmTurn);
  session.Game().Start();
  return LiveHeapBytes() - before - ClickMapHeapBytes(session.Map().ClickMap());
}

void BM_HeapPerEmptyCell(benchmark::State& state) {
  const WideString small = WriteBenchMap("bench empty 1", {1, 1, 0, ""});
  const WideString large = WriteBenchMap("bench empty 128", {128, 128, 0, ""});
  double perCell = 0;
  for (auto _ : state)
    perCell = static_cast<double>(GameHeapBytes(large) - GameHeapBytes(small)) / (128 * 128 - 1);
  state.counters["bytes_per_cell"] = perCell;
}

void BM_HeapPerBloomer(benchmark::State& state) {
  const int bloomers = static_cast<int>(Scaled(10000));
  const char* rules = kRechargingBloomers.Sections;
  const WideString empty = WriteBenchMap("bench heap 0", {128, 128, 0, rules});
  const WideString full = WriteBenchMap("bench heap n", {128, 128, bloomers, rules});
  double perBloomer = 0;
  for (auto _ : state)
    perBloomer = static_cast<double>(GameHeapBytes(full) - GameHeapBytes(empty)) / bloomers;
  state.counters["bytes_per_bloomer"] = perBloomer;
}

class TNullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
};

// sorrelwind-sim --ticks 0 on an empty board of the given side.
void BM_SimEmptyBoard(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  TSimOptions options;
  options.DataDir = Utf8Encode(BenchDataDir());
  options.MapName =
      Utf8Encode(WriteBenchMap("bench empty " + std::to_string(side), {side, side, 0, ""}));
  options.Ticks = 0;
  TNullBuffer nothing;
  std::ostream out(&nothing);
  for (auto _ : state) RunSimulation(options, out);
  state.counters["cells"] = side * side;
}

}  // namespace

BENCHMARK(BM_HeapPerEmptyCell)->Iterations(1)->Repetitions(1);
BENCHMARK(BM_HeapPerBloomer)->Iterations(1)->Repetitions(1);
BENCHMARK(BM_SimEmptyBoard)
    ->Arg(32)
    ->Arg(LargestBoardSide())
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);
