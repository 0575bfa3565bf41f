#pragma once
// The view settings the main window keeps in section "General" of settings.ini: where the cell
// info window stands, the info-on-hover switch and the grid.
#include "ui/windows/cell_info_view.h"

class TCustomIniFileW;
class TIniFileW;

struct TViewSettings {
  TCellInfoPlacement CellInfo;
  bool InfoOnHover = true;
  bool ShowGrid = false;

  friend bool operator==(const TViewSettings&, const TViewSettings&) = default;
};

// The stored settings; a missing or unreadable key keeps its value from `current`.
TViewSettings ReadViewSettings(const TCustomIniFileW& settings, const TViewSettings& current);

// Writes every key in one replacement of the file, so that a crash while saving leaves the old
// settings or the new ones, never some of each.
void SaveViewSettings(TIniFileW& settings, const TViewSettings& values);
