#pragma once
// The kinds the data names: every object and ability must be one the game has registered.
#include "lint/lint_data.h"
#include "lint/lint_report.h"
#include "lint/lint_usage.h"

// Every object placed or planted names a registered object kind, and a seed names the flower
// it grows into.
void CheckObjectKinds(const TLintUsage& usage, TLintReport& report);
// Every "abilities at" line names a registered ability kind whose definition loads; its flags
// are ones the game knows, and "autocast" stands only on kinds that can auto-cast.
void CheckAbilityLines(TLintData& data, const TLintUsage& usage, TLintReport& report);
// Every "abilities at" section ends in a level the objects look for: a number from 1.
void CheckAbilitySections(TLintData& data, TLintReport& report);
