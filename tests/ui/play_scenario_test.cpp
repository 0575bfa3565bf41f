// A game played with the mouse on the real main window, offscreen, with ticks delivered by the
// test: select a flower, fire its seed ability at a free cell, watch the seed sprout in the log,
// and follow the log line back to the cell.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <functional>

#include "config/config_store.h"
#include "game/ability_link.h"
#include "game/flower.h"
#include "game/game.h"
#include "game/player.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/sw_map.h"
#include "support/temp_folder.h"
#include "ui/platform/map_widget.h"
#include "ui/platform/qt_text.h"
#include "ui/widgets/ability_panel.h"
#include "ui/widgets/cell_info_panel.h"
#include "ui/widgets/flower_info_panel.h"
#include "ui/widgets/log_box.h"
#include "ui/widgets/png_speed_button.h"
#include "ui/windows/cell_info_form.h"
#include "ui/windows/main_form.h"

namespace {

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::LeftButton, held,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

class PlayScenarioTest : public testing::Test {
 protected:
  PlayScenarioTest() {
    // The introduction was read before, so nothing modal stands in the way.
    folder.WriteFile("settings.ini", "[Messages]\nintro: Genesis=1\n");
    form.show();
    QCoreApplication::processEvents();
  }

  TSWMap& Map() { return form.Map(); }

  // A pixel of the board that the click map gives to the cell.
  QPoint PixelOf(const TSWMapCell& cell) {
    const TPoint corner = cell.Position();
    for (int dy = Map().CellHeight() / 2; dy < Map().CellHeight(); ++dy)
      for (int dx = 0; dx < Map().CellWidth() + 2 * Map().CellSpacingX(); ++dx)
        if (Map().CellAtPixel(corner.X + dx, corner.Y + dy) == &cell &&
            !Map().IsOutsideBoard(corner.X + dx, corner.Y + dy))
          return {corner.X + dx, corner.Y + dy};
    ADD_FAILURE() << "no pixel of cell " << cell.X() << ":" << cell.Y();
    return {};
  }

  void ClickCell(const TSWMapCell& cell) {
    SendMouse(*form.MapView, QEvent::MouseButtonPress, PixelOf(cell));
    SendMouse(*form.MapView, QEvent::MouseButtonRelease, PixelOf(cell));
  }

  TSWMapCell* FindCell(const std::function<bool(TSWMapCell&)>& wanted) {
    for (int y = 0; y < Map().CellsY(); ++y)
      for (int x = 0; x < Map().CellsX(); ++x)
        if (wanted(Map().Cell(x, y))) return &Map().Cell(x, y);
    return nullptr;
  }

  void Tick(int count) {
    for (int i = 0; i < count; ++i) form.Game().DeliverTick();
  }

  TTempFolder folder;
  TMainForm form{
      {QStringLiteral(SW_DATA_DIR), QString::fromStdString(folder.PathOf("settings.ini")), tmTurn}};
};

TEST_F(PlayScenarioTest, PlantASeedWithTheMouseAndFollowItFromTheLog) {
  // Enough mana for a seed.
  Tick(20);
  TSWMapCell* home = FindCell([&](TSWMapCell& cell) {
    const TSWFlower* flower = cell.Slots().Find(u"flower");
    return flower && flower->Player() == &form.Player1() && flower->Name() == u"bloomer";
  });
  ASSERT_NE(home, nullptr);
  TSWFlower& bloomer = *home->Slots().Find(u"flower");

  ClickCell(*home);
  TCellInfoForm& cellInfo = form.CellInfoForm();
  ASSERT_TRUE(cellInfo.isVisible());
  ASSERT_EQ(cellInfo.pn->Cell(), home);
  TSWFlowerInfoPanel* panel = nullptr;
  for (int i = 0; i < cellInfo.pn->FlowerPanelCount(); ++i)
    if (cellInfo.pn->FlowerPanels(i)->Flower() == &bloomer) panel = cellInfo.pn->FlowerPanels(i);
  ASSERT_NE(panel, nullptr);
  TSWAbilityPanel& abilities = *panel->Abilities;
  ASSERT_GT(abilities.ButtonCount(), 0);
  TPNGSpeedButton* seedButton = nullptr;
  for (int i = 0; i < abilities.ButtonCount(); ++i) {
    EXPECT_TRUE(abilities.Buttons(i)->isEnabled()) << "the owner's abilities";
    if (abilities.LinkOf(abilities.Buttons(i))->Name().starts_with(u"seed"))
      seedButton = abilities.Buttons(i);
  }
  ASSERT_NE(seedButton, nullptr);

  seedButton->click();
  ASSERT_TRUE(Map().Selecting());
  for (int i = 0; i < abilities.ButtonCount(); ++i) {
    if (abilities.Buttons(i) == seedButton) continue;
    EXPECT_FALSE(abilities.Buttons(i)->isEnabled());
  }
  TSWMapCell* target = FindCell([&](TSWMapCell& cell) {
    return !Map().IsCellNonSelectable(cell) && cell.Slots().IsFree(u"flower");
  });
  ASSERT_NE(target, nullptr);
  ClickCell(*target);
  ASSERT_FALSE(Map().Selecting());
  ASSERT_NE(target->Slots().Find(u"flower"), nullptr);
  EXPECT_EQ(target->Slots().Find(u"flower")->Name(), u"seed");

  Tick(1);
  abilities.tmRefreshTimer();
  EXPECT_GE(seedButton->ClockGray(), 0) << "the recharge clock";
  for (int i = 0; i < abilities.ButtonCount(); ++i) {
    if (abilities.Buttons(i) == seedButton) continue;
    EXPECT_TRUE(abilities.Buttons(i)->isEnabled());
  }

  // The seed sprouts, and the log says so on a line that leads to its cell.
  TSWLogBox& log = *form.Log;
  int sprouted = -1;
  for (int tick = 0; tick < 600 && sprouted < 0; ++tick) {
    Tick(1);
    QCoreApplication::processEvents();
    for (int row = 0; row < log.count(); ++row)
      if (log.RecordAt(row) && log.RecordAt(row)->Cell == target &&
          log.item(row)->text().contains(QStringLiteral("sprouted")))
        sprouted = row;
  }
  ASSERT_GE(sprouted, 0) << "no \"flower grown\" line for the seed";
  Map().SelectCell(nullptr);
  const QPoint line = log.visualItemRect(log.item(sprouted)).center();
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
    SendMouse(*log.viewport(), type, line);
  EXPECT_EQ(Map().SelectedCell(), target);
}

}  // namespace
