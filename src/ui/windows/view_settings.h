#pragma once
// The view settings the main window keeps in section "General" of settings.ini: where the cell
// info window stands, the info-on-hover switch, the grid, and the main window's own place.
#include "ui/windows/cell_info_view.h"

class TCustomIniFileW;
class TIniFileW;

// The main window's size and place when not maximized, and whether it is maximized.
struct TWindowPlacement {
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  bool Maximized = false;

  friend bool operator==(const TWindowPlacement&, const TWindowPlacement&) = default;
};

struct TViewSettings {
  TCellInfoPlacement CellInfo;
  bool InfoOnHover = true;
  bool ShowGrid = false;
  TWindowPlacement Window;

  friend bool operator==(const TViewSettings&, const TViewSettings&) = default;
};

// The stored settings; a missing or unreadable key keeps its value from `current`.
TViewSettings ReadViewSettings(const TCustomIniFileW& settings, const TViewSettings& current);
TWindowPlacement ReadWindowPlacement(const TCustomIniFileW& settings,
                                     const TWindowPlacement& current);

// Writes every key in one replacement of the file, so that a crash while saving leaves the old
// settings or the new ones, never some of each.
void SaveViewSettings(TIniFileW& settings, const TViewSettings& values);
