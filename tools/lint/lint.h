#pragma once
// Checks a data folder the way the game will read it and reports every problem it finds, each
// with the file, section and key it concerns. It goes on after each problem.
#include <string>

#include "lint/lint_report.h"

TLintReport RunLint(const std::string& folder);
