// The cell info window over the shipped garden in turns: the flower panels that the viewer's
// insight allows, the slot changes applied by the 20 ms timer (called by hand), the release of
// the panels taken out, the level hint, and the second window while an ability is being fired.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPointer>
#include <QProgressBar>
#include <stdexcept>

#include "base/errors.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "game/flower.h"
#include "game/game_session.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/map_cells.h"
#include "ui/platform/qt_text.h"
#include "ui/widgets/ability_panel.h"
#include "ui/widgets/cell_info_panel.h"
#include "ui/widgets/flower_info_panel.h"
#include "ui/widgets/label_w.h"
#include "ui/widgets/level_gain.h"
#include "ui/widgets/png_speed_button.h"
#include "ui/widgets/shadow_label.h"
#include "ui/windows/cell_info_form.h"

namespace {

TEST(LevelGain, CountsTheTicksLeftAgainstTheThresholdsOfTheTickMode) {
  EXPECT_EQ(LevelGainKey(tmRealTime, false, 5), u"level gain: 1");
  EXPECT_EQ(LevelGainKey(tmRealTime, false, 7), u"level gain: 1");
  EXPECT_EQ(LevelGainKey(tmRealTime, false, 8), u"level gain: 2");
  EXPECT_EQ(LevelGainKey(tmRealTime, false, 100), u"level gain: 2");
  EXPECT_EQ(LevelGainKey(tmRealTime, false, 160), u"level gain: 2");
  EXPECT_EQ(LevelGainKey(tmRealTime, false, 161), u"level gain: more");
  EXPECT_EQ(LevelGainKey(tmRealTime, false, 200), u"level gain: more");
  EXPECT_EQ(LevelGainKey(tmTurn, false, 3), u"level gain: 1");
  EXPECT_EQ(LevelGainKey(tmTurn, false, 4), u"level gain: 2");
  EXPECT_EQ(LevelGainKey(tmTurn, false, 5), u"level gain: 2");
  EXPECT_EQ(LevelGainKey(tmTurn, false, 40), u"level gain: 2");
  EXPECT_EQ(LevelGainKey(tmTurn, false, 41), u"level gain: more");
  EXPECT_EQ(LevelGainKey(tmTurn, true, 1), u"level gain: max");
  EXPECT_EQ(LevelGainKey(tmRealTime, true, 500), u"level gain: max");
}

// Player1 views the garden; (0, 1) is open soil with nothing on it.
class CellInfoTest : public testing::Test {
 protected:
  CellInfoTest() {
    session.Game().Start();
    panel.SetConfig(&config);
    panel.SetPlayer(&player1);
  }

  TSWMapCell& Cell(int x, int y) { return session.Map().Cell(x, y); }
  TSWMapCell& OpenSoil() { return Cell(0, 1); }
  // Flowers share the slot "flower"; weeds, light and shade, puddles and fences have their own.
  TSWFlower& Put(TSWMapCell& cell, const WideString& name, TSWPlayer& owner,
                 const WideString& slot = u"flower") {
    cell.Slots().Add(name, &owner);
    TSWFlower* flower = cell.Slots().Find(slot);
    if (flower == nullptr) throw std::logic_error("the object did not arrive");
    return *flower;
  }
  // The timer was started by the changes; its run, by hand.
  void Synchronize() {
    EXPECT_TRUE(panel.tmSynchronize.isActive());
    EXPECT_EQ(panel.tmSynchronize.interval(), 20);
    panel.tmSynchronizeTimer();
  }
  // How many handlers follow the object's "free".
  int FreeHandlers(const TSWFlower& flower) {
    const WideString key = ObjectToken(&flower) + u"=" + kEventFree;
    TEventHash& events = config.Events();
    for (int i = 0; i < events.Count(); ++i)
      if (events.Strings(i) == key) return events.HandlerCount(i);
    return 0;
  }
  WideString Caption(const TLabelW& label) { return label.Caption(); }

  TSWGameSession session{ToWide(QStringLiteral(SW_DATA_DIR)), u"maps\\genesis", tmTurn};
  TSWConfig& config = session.Config();
  TSWPlayer& player1 = session.Player1();
  TSWPlayer& gaia = session.Gaia();
  TSWCellInfoPanel panel;
};

TEST_F(CellInfoTest, NamesTheGroundAndCountsTheCoordinatesFromOne) {
  panel.SetCell(&Cell(0, 0));
  EXPECT_EQ(Caption(*panel.lbCaption), config.Lang(u"cell: null"));
  EXPECT_EQ(Caption(*panel.lbCoords), config.LangFmt(u"coords", {1, 1}));
  EXPECT_EQ(panel.FlowerPanelCount(), 0);
}

TEST_F(CellInfoTest, ShowsAsMuchAsTheViewersInsightAllows) {
  TSWMapCell& cell = OpenSoil();
  TSWFlower& bloomer = Put(cell, u"bloomer", player1);
  struct TView {
    TPlayerInsight Insight;
    bool FullBox;
    bool HitPoints;
    bool Level;
  };
  panel.SetPlayer(&gaia);
  gaia.SetBaseInsight(piNone);
  panel.SetCell(&cell);
  EXPECT_EQ(panel.FlowerPanelCount(), 0);
  for (const TView view : {TView{piBasic, false, false, false}, TView{piHP, false, true, false},
                           TView{piStats, true, true, false}, TView{piFull, true, true, true}}) {
    SCOPED_TRACE(static_cast<int>(view.Insight));
    gaia.SetBaseInsight(view.Insight);
    panel.SetPlayer(&gaia);
    ASSERT_EQ(panel.FlowerPanelCount(), 1);
    const TSWFlowerInfoPanel& shown = *panel.FlowerPanels(0);
    EXPECT_EQ(shown.Insight(), view.Insight);
    EXPECT_EQ(shown.gbName->isHidden(), !view.FullBox);
    EXPECT_EQ(shown.pnBasic->isHidden(), view.FullBox);
    EXPECT_EQ(shown.height(), view.FullBox ? shown.gbName->height() : 42);
    EXPECT_EQ(shown.lbHpBasic->isHidden(), view.FullBox || !view.HitPoints);
    EXPECT_EQ(shown.lbLevel->isHidden(), !view.Level);
    EXPECT_EQ(shown.LevelBar->isHidden(), !view.Level);
    EXPECT_FALSE(shown.Abilities->isEnabled());
    EXPECT_EQ(Caption(*shown.lbPlayerBasic), player1.GetCaption());
  }
  // The viewer's own flower: everything, with abilities to fire and the next level's hint.
  panel.SetPlayer(&player1);
  const TSWFlowerInfoPanel& own = *panel.FlowerPanels(0);
  EXPECT_EQ(own.Insight(), piCoOwner);
  EXPECT_TRUE(own.Abilities->isEnabled());
  EXPECT_FALSE(own.pnAbilities->isHidden());
  EXPECT_EQ(own.gbName->height(), own.pnAbilities->geometry().bottom() + 1 + 8);
  EXPECT_EQ(own.gbName->title(), ToQString(bloomer.GetCaption()));
  EXPECT_EQ(Caption(*own.lbHP), config.LangFmt(u"cell HP", {100}));
  EXPECT_EQ(Caption(*own.lbLevel), u"1");
  // 15 turns to the next level.
  EXPECT_EQ(own.lbLevel->toolTip(), ToQString(config.Lang(u"level gain: 2")));
  EXPECT_EQ(own.LevelBar->maximum(), 15);
  for (int i = 0; i < 13; ++i) session.Game().DeliverTick();
  panel.FlowerPanels(0)->tmRefreshTimer();
  EXPECT_EQ(own.LevelBar->value(), 13);
  EXPECT_EQ(own.lbLevel->toolTip(), ToQString(config.Lang(u"level gain: 1")));
}

TEST_F(CellInfoTest, AFlowerWithoutAbilitiesEndsItsBoxAtTheAbilitiesTop) {
  Put(OpenSoil(), u"melly", player1);
  panel.SetCell(&OpenSoil());
  const TSWFlowerInfoPanel& shown = *panel.FlowerPanels(0);
  EXPECT_TRUE(shown.pnAbilities->isHidden());
  EXPECT_EQ(shown.gbName->height(), shown.pnAbilities->y());
  EXPECT_EQ(shown.height(), shown.pnAbilities->y());
}

TEST_F(CellInfoTest, OneAddedObjectGetsOnePanelAtTheBottomAndTwoRebuildTheList) {
  TSWMapCell& cell = OpenSoil();
  Put(cell, u"bloomer", player1);
  panel.SetCell(&cell);
  const QPointer<TSWFlowerInfoPanel> first = panel.FlowerPanels(0);

  TSWFlower& weed = Put(cell, u"weed", gaia, u"weed");
  EXPECT_EQ(panel.FlowerPanelCount(), 1) << "applied before the timer ran";
  Synchronize();
  ASSERT_EQ(panel.FlowerPanelCount(), 2);
  EXPECT_EQ(panel.FlowerPanels(0), first);
  EXPECT_EQ(panel.FlowerPanels(1)->Flower(), &weed);
  EXPECT_EQ(panel.FlowerPanels(1)->y(), first->geometry().bottom() + 1 + 8);
  EXPECT_EQ(panel.height(), panel.FlowerPanels(1)->geometry().bottom() + 1);

  Put(cell, u"fence", gaia, u"fence");
  Put(cell, u"light", gaia, u"light");
  Synchronize();
  EXPECT_EQ(panel.FlowerPanelCount(), 4);
  EXPECT_TRUE(first.isNull()) << "a rebuild releases the panels it replaces";
  EXPECT_FALSE(panel.tmSynchronize.isActive());
}

TEST_F(CellInfoTest, AnObjectGoneBeforeItsAdditionWasAppliedGetsNoPanel) {
  Put(OpenSoil(), u"bloomer", player1);
  panel.SetCell(&OpenSoil());
  Put(OpenSoil(), u"weed", gaia, u"weed");
  OpenSoil().Slots().Remove(u"weed");
  Synchronize();
  ASSERT_EQ(panel.FlowerPanelCount(), 1);
  EXPECT_EQ(panel.FlowerPanels(0)->Flower()->Name(), u"bloomer");
}

TEST_F(CellInfoTest, RemovingTheMiddlePanelMovesOnlyTheThirdUpAndReleasesIt) {
  TSWMapCell& cell = OpenSoil();
  Put(cell, u"bloomer", player1);
  Put(cell, u"weed", gaia, u"weed");
  Put(cell, u"fence", gaia, u"fence");
  panel.SetCell(&cell);
  ASSERT_EQ(panel.FlowerPanelCount(), 3);
  const int firstTop = panel.FlowerPanels(0)->y();
  const int thirdTop = panel.FlowerPanels(2)->y();
  const QPointer<TSWFlowerInfoPanel> middle = panel.FlowerPanels(1);
  const QPointer<TSWFlowerInfoPanel> third = panel.FlowerPanels(2);
  const int shift = middle->height() + 8;

  TSWFlower* dying = middle->Flower();
  dying->Die();
  // The freed flower is forgotten at once; its panel goes with the timer.
  EXPECT_EQ(middle->Flower(), nullptr);
  EXPECT_FALSE(middle->tmRefresh.isActive());
  Synchronize();
  EXPECT_TRUE(middle.isNull());
  ASSERT_EQ(panel.FlowerPanelCount(), 2);
  EXPECT_EQ(panel.FlowerPanels(0)->y(), firstTop);
  EXPECT_EQ(panel.FlowerPanels(1), third);
  EXPECT_EQ(third->y(), thirdTop - shift);
}

TEST_F(CellInfoTest, PanelsTakenOutByAnotherCellLeaveNothingReferringToThem) {
  TSWMapCell& cell = OpenSoil();
  TSWFlower& bloomer = Put(cell, u"bloomer", player1);
  panel.SetCell(&cell);
  const QPointer<TSWFlowerInfoPanel> shown = panel.FlowerPanels(0);
  EXPECT_EQ(FreeHandlers(bloomer), 1);
  // A level up waits for the timer, pointing at the panel.
  cell.RaiseEvent(kEventSlotLevelUp, &bloomer);
  panel.SetCell(&Cell(0, 0));
  EXPECT_TRUE(shown.isNull());
  EXPECT_EQ(FreeHandlers(bloomer), 0);
  EXPECT_FALSE(panel.tmSynchronize.isActive());
  bloomer.Die();
  panel.tmSynchronizeTimer();
  EXPECT_EQ(panel.Cell(), &Cell(0, 0));
  EXPECT_EQ(panel.FlowerPanelCount(), 0);
}

TEST_F(CellInfoTest, ACellThatGoesWhileShownLeavesThePanelEmpty) {
  panel.SetCell(&Cell(5, 9));
  ASSERT_EQ(panel.FlowerPanelCount(), 1);
  session.Map().Cells().SetCellsY(9);
  EXPECT_EQ(panel.Cell(), nullptr);
  EXPECT_EQ(panel.FlowerPanelCount(), 0);
  EXPECT_EQ(Caption(*panel.lbCoords), u"");
}

TEST_F(CellInfoTest, ASlotEventOfAnotherNameFails) {
  panel.SetCell(&OpenSoil());
  try {
    panel.SlotEvent(u"slot paint", nullptr);
    FAIL() << "no error";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), u"TSWCellInfoPanel.SlotEvent didn't know how to handle slot paint.");
  }
}

TEST_F(CellInfoTest, WhileAnAbilityIsFiredASecondWindowShowsTheNextCell) {
  TCellInfoForm form(config, &player1);
  EXPECT_FALSE(form.IsShown());
  EXPECT_EQ(form.windowTitle(), ToQString(config.Lang(u"cell info form: caption")));
  TSWMapCell& bloomerCell = Cell(2, 7);
  form.ShowCell(bloomerCell);
  EXPECT_TRUE(form.IsShown());
  // The melly at (1, 6) earns the seed's price.
  for (int i = 0; i < 10 && player1.Mana() < 20; ++i) session.Game().DeliverTick();
  TSWAbilityPanel& abilities = *form.pn->FlowerPanels(0)->Abilities;
  abilities.Fire(abilities.Buttons(0));
  ASSERT_TRUE(form.pn->Busy());

  form.ShowCell(OpenSoil());
  TCellInfoForm* second = form.CascadedForm();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->IsShown());
  EXPECT_EQ(second->pos(), form.pos() + QPoint(8, 8));
  EXPECT_EQ(second->pn->Cell(), &OpenSoil());
  EXPECT_EQ(form.pn->Cell(), &bloomerCell);

  abilities.CancelClick(abilities.Buttons(0));
  form.ShowCell(Cell(0, 0));
  EXPECT_EQ(form.pn->Cell(), &Cell(0, 0));
  EXPECT_EQ(form.CascadedForm(), second);
  EXPECT_FALSE(second->IsShown());

  form.SetPlacement({50, 60, 400});
  const TCellInfoPlacement placement = form.Placement();
  EXPECT_EQ(placement.X, 50);
  EXPECT_EQ(placement.Y, 60);
  EXPECT_EQ(placement.Height, 400);
  EXPECT_EQ(form.width(), 299);
  EXPECT_EQ(form.minimumWidth(), form.maximumWidth());
}

}  // namespace
