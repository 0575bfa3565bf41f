#pragma once
// The cell info window: a stay-on-top tool window of 299 x 275 whose height alone the user can
// change, scrolling the cell info panel vertically. ShowCell shows a cell and brings the window
// to the front; while an ability is being fired from it (the player is picking the target on the
// map), a cell goes to a second window, opened 8 pixels right of and below this one, so the
// firing panel stays in place. The second window is kept and reused; it hides when this window
// next shows a cell itself. The main window's store and player must outlive the window.
#include <QWidget>

#include "ui/windows/cell_info_view.h"

class QScrollArea;
class TSWCellInfoPanel;
class TSWConfig;
class TSWPlayer;

class TCellInfoForm : public QWidget, public TCellInfoView {
  Q_OBJECT

 public:
  // Hidden until the first ShowCell; titled with the store's "cell info form: caption".
  TCellInfoForm(TSWConfig& config, TSWPlayer* player, QWidget* parent = nullptr);

  bool IsShown() const override { return isVisible(); }
  void ShowCell(TSWMapCell& cell) override;
  TCellInfoPlacement Placement() const override;
  void SetPlacement(const TCellInfoPlacement& placement) override;

  // The second window, once a firing made one.
  TCellInfoForm* CascadedForm() const { return cascadedForm_; }

  // The design's components.
  QScrollArea* ScrollBox1;
  TSWCellInfoPanel* pn;

 private:
  void ShowInCascadedForm(TSWMapCell& cell);

  TSWConfig& config_;
  // A child window of this one: it goes with it.
  TCellInfoForm* cascadedForm_ = nullptr;
};
