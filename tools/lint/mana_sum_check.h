#pragma once
// What each player earns per tick from the Melly flowers a map gives it.
#include "lint/lint_data.h"
#include "lint/lint_report.h"

// In both tick modes, the mana per tick of each player's Melly flowers on every map adds up to
// what 32 bits hold.
void CheckManaSums(TLintData& data, TLintReport& report);
