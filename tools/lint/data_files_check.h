#pragma once
// The files a game cannot start without.
#include "lint/lint_data.h"
#include "lint/lint_report.h"

// objects.ini, abilities.ini, a language file that loads, and the map the window loads.
void CheckDataFiles(TLintData& data, TLintReport& report);
