#pragma once
// Handler objects for the registry benchmarks: each counts its calls, so no call can be
// optimised away, and the plain loop over the same bound handlers is the floor to compare with.
#include <memory>
#include <vector>

#include "config/event_handler.h"

class TCounter : public TObject {
 public:
  void OnEvent(TSWConfig*, const WideString&, TObject*) { ++calls; }
  long calls = 0;
};

struct TSubscribers {
  explicit TSubscribers(int count);
  // Every handler once, the newest first, as a dispatch would call them.
  void CallAll(const WideString& key) const;
  long Calls() const;

  std::vector<std::unique_ptr<TCounter>> counters;
  std::vector<TSWEventHandler> handlers;
};
