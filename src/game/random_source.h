#pragma once
// The one source of every random draw of the game rules (cooldown ranges, spread pruning), so
// that a test or a headless run can replay a game by seeding it.
#include <cstdint>
#include <random>

class TRandomSource {
 public:
  explicit TRandomSource(uint32_t seed) : engine_(seed) {}

  // Restarts the sequence: the same seed gives the same draws.
  void Seed(uint32_t seed) { engine_.seed(seed); }
  // A whole number drawn uniformly from 0 to n - 1. Fails with "TRandomSource.Next needs a
  // positive bound, but %d was given." (EInvalidArgument) when n is below 1.
  int32_t Next(int32_t n);

 private:
  std::mt19937 engine_;
};

// The process-wide source the game rules draw from, seeded from the clock when first used.
// Game code runs on one thread, so it takes no lock.
TRandomSource& RandomSource();
