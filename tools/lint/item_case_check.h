#pragma once
// Item names that find their file only because the package ignores letter case: they work, but
// the data should name its files as they are on disk.
#include "lint/lint_data.h"
#include "lint/lint_report.h"

// Every item the other checks asked for or read; run it last.
void CheckItemCase(TLintData& data, TLintReport& report);
