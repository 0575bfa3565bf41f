#pragma once
// The [Soil bonuses] of objects.ini and of every map: what the game reads when an object is put
// on soil.
#include "lint/lint_data.h"
#include "lint/lint_report.h"
#include "lint/lint_usage.h"

// Every value is a whole number, and none takes the hit points of an object in use beyond what
// 32 bits hold.
void CheckSoilBonuses(TLintData& data, const TLintUsage& usage, TLintReport& report);
