#include "ui/windows/cell_info_form.h"

#include <QScrollArea>
#include <QVBoxLayout>

#include "config/config_store.h"
#include "ui/platform/design_font.h"
#include "ui/platform/qt_text.h"
#include "ui/widgets/cell_info_panel.h"

namespace {

constexpr QSize kDesignSize(299, 275);
constexpr QPoint kDesignPosition(182, 140);
constexpr int kBorderWidth = 8;
constexpr QPoint kCascadeOffset(8, 8);

}  // namespace

TCellInfoForm::TCellInfoForm(TSWConfig& config, TSWPlayer* player, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), config_(config) {
  ApplyDesignFont(*this);
  setWindowTitle(ToQString(config.Lang(u"cell info form: caption")));
  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pn = new TSWCellInfoPanel;
  pn->SetConfig(&config);
  pn->SetPlayer(player);
  ScrollBox1->setWidget(pn);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
  layout->addWidget(ScrollBox1);
  move(kDesignPosition);
  resize(kDesignSize);
  // Only the height can change: the panels have one width.
  setFixedWidth(kDesignSize.width());
}

void TCellInfoForm::ShowCell(TSWMapCell& cell) {
  if (pn->Busy()) {
    ShowInCascadedForm(cell);
    return;
  }
  if (cascadedForm_ != nullptr) cascadedForm_->hide();
  pn->SetCell(&cell);
  show();
  raise();
}

void TCellInfoForm::ShowInCascadedForm(TSWMapCell& cell) {
  if (cascadedForm_ == nullptr) cascadedForm_ = new TCellInfoForm(config_, pn->Player(), this);
  // Placed whenever it opens; while open it stays where the player put it.
  if (!cascadedForm_->isVisible()) cascadedForm_->move(pos() + kCascadeOffset);
  cascadedForm_->ShowCell(cell);
}

TCellInfoPlacement TCellInfoForm::Placement() const { return {x(), y(), height()}; }

void TCellInfoForm::SetPlacement(const TCellInfoPlacement& placement) {
  move(placement.X, placement.Y);
  resize(width(), placement.Height);
}
