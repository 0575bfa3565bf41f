#include "bench_subscribers.h"

TSubscribers::TSubscribers(int count) {
  for (int i = 0; i < count; ++i) {
    counters.push_back(std::make_unique<TCounter>());
    handlers.push_back(TSWEventHandler::Of<&TCounter::OnEvent>(counters.back().get()));
  }
}

void TSubscribers::CallAll(const WideString& key) const {
  for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) (*it)(nullptr, key, nullptr);
}

long TSubscribers::Calls() const {
  long calls = 0;
  for (const auto& counter : counters) calls += counter->calls;
  return calls;
}
