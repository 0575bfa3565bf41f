#pragma once
// A data folder for the benchmarks: the shipped Data/ items linked into a temporary folder, with
// generated map files beside them. Created on first use, removed at exit.
#include <string>

#include "base/wide_string.h"

struct TBenchMapShape {
  int Width = 1;
  int Height = 1;
  // Bloomers owned by Player1, one per cell in row-major order from (0, 0).
  int Bloomers = 0;
  // Sections appended to the map file (it overrides the shipped object values).
  std::string ExtraSections;
};

// The temporary data folder (the shipped one is SW_DATA_DIR, or Data in the working folder).
const WideString& BenchDataDir();
// Writes the map file `name` (without folder and extension) and returns its package item name,
// such as maps\bench 32.
WideString WriteBenchMap(const std::string& name, const TBenchMapShape& shape);
// The map file's text, as written.
std::string BenchMapText(const TBenchMapShape& shape);

// Map overrides of the bloomer, named for the map files that carry them.
struct TBloomerRules {
  const char* Name;
  const char* Sections;
};
// The bloomer stays at level 0 for the whole run and has one link that starts recharging, so
// every bloomer subscribes two handlers to "tick".
extern const TBloomerRules kRechargingBloomers;
// Bloomers reach level 1 on the first tick, and have one recharging link at both levels.
extern const TBloomerRules kBloomersLevellingOnFirstTick;
