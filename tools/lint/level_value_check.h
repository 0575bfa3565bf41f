#pragma once
// The values abilities read per level of the flower that fires them: reach and mana cost of the
// seed kinds, damage and its distance of spreads. Each is a list with one number per level.
#include "lint/lint_data.h"
#include "lint/lint_report.h"
#include "lint/lint_usage.h"

// Every ability line, at every level its flower has it (from its section's level up to the next
// level with its own section, or the flower's last level), reads a number for that level, and
// none below 0 (-1, which reads as no value, aside for the values that may be absent).
void CheckAbilityLevelValues(TLintData& data, const TLintUsage& usage, TLintReport& report);
