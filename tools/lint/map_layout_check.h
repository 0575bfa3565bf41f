#pragma once
// The shape of every map file: its size, its rows of tiles, where its objects stand and whose
// they are.
#include "lint/lint_data.h"
#include "lint/lint_report.h"

// [General] Width and Height are numbers of at least 1.
void CheckMapSize(TLintData& data, TLintReport& report);
// [Tiles] holds the rows Y0 to Y(Height - 1), each of Width tiles none of which is empty, and
// nothing else.
void CheckMapRows(TLintData& data, TLintReport& report);
// Every "Objects of" line has coordinates "X:Y" inside the grid, read as the map loader reads them.
void CheckObjectPlacement(TLintData& data, TLintReport& report);
// Every "Objects of" section gives its objects to a player of the main window.
void CheckMapPlayers(TLintData& data, TLintReport& report);
