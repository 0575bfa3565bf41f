#pragma once
// How soon an object reaches its next level, as the key of the language string that says so:
// "level gain: max" at the last level, else "level gain: 1" when the next level is close,
// "level gain: 2" when it is on its way and "level gain: more" otherwise. "Close" is counted in
// the ticks of the object's tick mode: a turn lasts much longer than a real-time second.
#include <cstdint>

#include "base/wide_string.h"
#include "config/tick_mode.h"

WideString LevelGainKey(TTickMode tickMode, bool atMaxLevel, int32_t ticksLeft);
