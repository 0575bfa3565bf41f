#pragma once
// The texts the game shows for what the data names.
#include "lint/lint_data.h"
#include "lint/lint_report.h"
#include "lint/lint_usage.h"

// lang.ini [Strings] has "flower: <object>" for every object placed or planted, "ability:
// <ability>" for every ability, "cell: <terrain>" for every terrain of the maps' tiles and
// "player: <player>" for every player. Each missing text is reported once, with its first use.
void CheckLanguage(TLintData& data, const TLintUsage& usage, TLintReport& report);
