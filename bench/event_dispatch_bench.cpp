// Raising an event against its floor: a plain loop calling the same bound handlers. The ratio
// between the two is what the registry adds on top of the calls themselves: one hashed lookup
// and the dispatch bookkeeping. The calls are counted and reported, so none is optimised away.
#include <benchmark/benchmark.h>

#include "bench_subscribers.h"
#include "config/event_hash.h"

namespace {

void BM_PlainLoopFloor(benchmark::State& state) {
  TSubscribers subscribers(static_cast<int>(state.range(0)));
  const WideString key = u"tick";
  for (auto _ : state) subscribers.CallAll(key);
  state.counters["calls"] = static_cast<double>(subscribers.Calls());
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
  state.counters["calls"] = static_cast<double>(subscribers.Calls());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_PlainLoopFloor)->Arg(1)->Arg(16)->Arg(256)->Arg(10000);
BENCHMARK(BM_RaiseEvent)->Arg(1)->Arg(16)->Arg(256)->Arg(10000);
