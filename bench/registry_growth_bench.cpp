// How the event registry's changes grow with the number of subscribers: each subscriber
// registers for "tick" and for an event of its own object, as every flower does. Fitted by
// Google Benchmark's complexity over 1k to 16k subscribers; linear is the goal.
#include <benchmark/benchmark.h>

#include "bench_scale.h"
#include "bench_subscribers.h"
#include "config/event_hash.h"

namespace {

const WideString kTick = u"tick";
const WideString kOwnEvent = u"slot add";

void Subscribe(TEventHash& events, const TSubscribers& subscribers, size_t i) {
  events.AddHandler(kTick, subscribers.handlers[i]);
  events.AddObjectHandler(subscribers.counters[i].get(), kOwnEvent, subscribers.handlers[i]);
}

void BM_AddHandlers(benchmark::State& state) {
  const TSubscribers subscribers(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TEventHash events(nullptr);
    for (size_t i = 0; i < subscribers.handlers.size(); ++i) Subscribe(events, subscribers, i);
    benchmark::DoNotOptimize(events.Count());
  }
  state.SetComplexityN(state.range(0));
}

// Every subscription is followed by a raise of the subscriber's own event, so each change is
// followed by a lookup.
void BM_AlternateAddAndLookup(benchmark::State& state) {
  const TSubscribers subscribers(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TEventHash events(nullptr);
    for (size_t i = 0; i < subscribers.handlers.size(); ++i) {
      Subscribe(events, subscribers, i);
      events.RaiseObjectEvent(subscribers.counters[i].get(), kOwnEvent, nullptr);
    }
  }
  state.counters["calls"] = static_cast<double>(subscribers.Calls());
  state.SetComplexityN(state.range(0));
}

// Every subscriber leaves, the oldest first, as the objects of a board go when it is torn down.
void BM_ClearCallbacks(benchmark::State& state) {
  const TSubscribers subscribers(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    auto events = std::make_unique<TEventHash>(nullptr);
    for (size_t i = 0; i < subscribers.handlers.size(); ++i) Subscribe(*events, subscribers, i);
    state.ResumeTiming();
    for (const auto& counter : subscribers.counters) events->ClearCallbacksOf(counter.get());
    state.PauseTiming();
    events.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

void GrowthSizes(benchmark::internal::Benchmark* bench) {
  bench->RangeMultiplier(2)->Range(Scaled(1 << 12) / 4, Scaled(1 << 14))->Complexity();
}

}  // namespace

BENCHMARK(BM_AddHandlers)->Apply(GrowthSizes);
BENCHMARK(BM_AlternateAddAndLookup)->Apply(GrowthSizes);
BENCHMARK(BM_ClearCallbacks)->Apply(GrowthSizes);
