#pragma once
// What the main window asks of the cell info window: whether it is on screen, to show a cell
// (which also shows the window), and its place, which the main window keeps in its settings.
class TSWMapCell;

// The window's left and top edge and its height; the design values until settings say otherwise.
struct TCellInfoPlacement {
  int X = 182;
  int Y = 140;
  int Height = 275;

  friend bool operator==(const TCellInfoPlacement&, const TCellInfoPlacement&) = default;
};

class TCellInfoView {
 public:
  virtual ~TCellInfoView() = default;

  virtual bool IsShown() const = 0;
  virtual void ShowCell(TSWMapCell& cell) = 0;
  virtual TCellInfoPlacement Placement() const = 0;
  virtual void SetPlacement(const TCellInfoPlacement& placement) = 0;
};
