#pragma once
// Values that the game reads as numbers or durations, in turn mode and in real time.
#include "lint/lint_data.h"
#include "lint/lint_report.h"
#include "lint/lint_usage.h"

// Every ability named has a cooldown, "turn real-time", whose piece for each mode is a duration
// or a range of two ("1m-5m").
void CheckCooldowns(TLintData& data, const TLintUsage& usage, TLintReport& report);
// Every line of every "levels" section gives the ticks of a level in both modes, at least 1.
void CheckLevels(TLintData& data, TLintReport& report);
// The HP (at least 1) and ManaPerTick (both modes, at least 0) of every object named, and the
// growth of every seed (at least 1). -1 reads as absent and is not reported.
void CheckObjectValues(TLintData& data, const TLintUsage& usage, TLintReport& report);
