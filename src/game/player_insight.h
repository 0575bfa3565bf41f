#pragma once
#include <cstdint>

// How much a player sees of other players' flowers. The rules compare the values numerically.
enum TPlayerInsight : uint8_t {
  piNone = 0,
  piBasic = 1,
  piHP = 2,
  piStats = 3,
  piFull = 4,
  piCoOwner = 5
};
