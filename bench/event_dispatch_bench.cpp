// Raising an event against its floor: a plain loop calling the same bound handlers. The ratio
// between the two (printed by Google Benchmark side by side) is what the registry adds on top
// of the calls themselves: one hashed lookup and the dispatch bookkeeping.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "config/event_hash.h"

namespace {

class TCounter : public TObject {
 public:
  void OnTick(TSWConfig*, const WideString&, TObject*) { benchmark::DoNotOptimize(++calls); }
  long calls = 0;
};

struct TSubscribers {
  explicit TSubscribers(int count) {
    for (int i = 0; i < count; ++i) {
      counters.push_back(std::make_unique<TCounter>());
      handlers.push_back(TSWEventHandler::Of<&TCounter::OnTick>(counters.back().get()));
    }
  }
  std::vector<std::unique_ptr<TCounter>> counters;
  std::vector<TSWEventHandler> handlers;
};

void BM_PlainLoopFloor(benchmark::State& state) {
  TSubscribers subscribers(static_cast<int>(state.range(0)));
  const WideString key = u"tick";
  for (auto _ : state)
    for (auto it = subscribers.handlers.rbegin(); it != subscribers.handlers.rend(); ++it)
      (*it)(nullptr, key, nullptr);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RaiseEvent(benchmark::State& state) {
  TSubscribers subscribers(static_cast<int>(state.range(0)));
  TEventHash events(nullptr);
  // Other keys in the registry, as in a running game: the lookup must stay one probe.
  for (int i = 0; i < 200; ++i)
    events.AddHandler(u"other " + IntToWide(i), subscribers.handlers[0]);
  for (const TSWEventHandler& handler : subscribers.handlers) events.AddHandler(u"tick", handler);
  for (auto _ : state) events.RaiseEvent(u"tick", nullptr);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_PlainLoopFloor)->Arg(1)->Arg(16)->Arg(256);
BENCHMARK(BM_RaiseEvent)->Arg(1)->Arg(16)->Arg(256);
BENCHMARK_MAIN();
