#pragma once
// The files a game cannot start without.
#include "lint/lint_data.h"
#include "lint/lint_report.h"

// objects.ini, abilities.ini, a language file that loads, and the map the window loads; then
// CheckTextFiles.
void CheckDataFiles(TLintData& data, TLintReport& report);
// Every ini file the game reads must be UTF-8 text with sections, else the game reads it as
// empty and refuses to start on it; and map files must have names that are text.
void CheckTextFiles(TLintData& data, TLintReport& report);
