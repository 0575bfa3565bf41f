#include "ui/widgets/level_gain.h"

#include <array>

namespace {

struct TLevelGainStep {
  int32_t TurnTicks;
  int32_t RealTimeTicks;
  const char16_t* Key;
};

// The first step whose threshold the ticks left do not exceed wins.
constexpr std::array<TLevelGainStep, 2> kSteps{
    {{3, 7, u"level gain: 1"}, {40, 160, u"level gain: 2"}}};

}  // namespace

WideString LevelGainKey(TTickMode tickMode, bool atMaxLevel, int32_t ticksLeft) {
  if (atMaxLevel) return u"level gain: max";
  for (const TLevelGainStep& step : kSteps) {
    const int32_t threshold = tickMode == tmTurn ? step.TurnTicks : step.RealTimeTicks;
    if (ticksLeft <= threshold) return step.Key;
  }
  return u"level gain: more";
}
