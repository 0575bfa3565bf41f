#pragma once
// A headless run of the real game: the window's components over a data folder, the game started
// and driven tick by tick, a script's actions taken at their ticks, every event the log hears
// printed, and the players and objects listed at the end.
#include <ostream>

#include "sim/sim_options.h"

// Prints the run to `out`. Fails with the engine's error when the game cannot be made, started
// or ticked, and with ESimScriptError for a script that cannot be read or names a tick after the
// last one or a cell outside the map.
void RunSimulation(const TSimOptions& options, std::ostream& out);
