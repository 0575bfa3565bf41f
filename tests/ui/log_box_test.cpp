// The event log: its lines and records under the limit, additions from another thread, what each
// event writes with its arguments, whose flowers the log's player hears of, and the double-click
// that selects a line's cell. The games run in turns on the shipped data and start at once.
#include "ui/widgets/log_box.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <thread>
#include <vector>

#include "base/errors.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "game/game_session.h"
#include "map/cell_object.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "ui/platform/qt_text.h"
#include "ui/widgets/log_line_layout.h"

namespace {

WideString Numbered(const char16_t* what, int number) { return Format(u"%s %d", {what, number}); }

TEST(LogLinesTest, ADroppedLineTakesItsRecordAlongAndTheOthersKeepTheirPositions) {
  TSWLogLines lines;
  for (int i = 0; i <= 100; ++i) lines.Add({Numbered(u"line", i), {}}, 100);
  EXPECT_EQ(lines.Count(), 100);
  EXPECT_EQ(lines.Find(0), nullptr);
  EXPECT_EQ(lines.Find(1)->Text, u"line 1");
  EXPECT_EQ(lines.Find(100)->Text, u"line 100");

  lines.DropToBelow(10);
  EXPECT_EQ(lines.Count(), 9);
  EXPECT_EQ(lines.FirstPosition(), 92);
  EXPECT_EQ(lines.Find(91), nullptr);
  EXPECT_EQ(lines.Find(92)->Text, u"line 92");
}

TEST(LogLineLayoutTest, TheIconIsCentredInTheStripAndTheTextStartsRightOfIt) {
  const TRect line = Bounds(0, 40, 180, kLogItemHeight);
  EXPECT_EQ(LogIconPosition(line), (TPoint{2, 42}));
  EXPECT_EQ(LogIconStrip(line), (TRect{0, 40, 19, 60}));
  EXPECT_EQ(LogTextArea(line), (TRect{19, 40, 180, 60}));
  EXPECT_EQ(LogTextBox(line), (TRect{21, 40, 180, 60}));
}

// The log as it sits in the main window's frame, shown.
class LogBoxTest : public testing::Test {
 protected:
  LogBoxTest() {
    log.resize(203, 99);
    log.show();
  }

  // Messages `from` to `to`, each with an icon name of its own number.
  void Add(int from, int to) {
    for (int i = from; i <= to; ++i)
      log.AddMessage(Numbered(u"line", i), {nullptr, Numbered(u"icon", i)});
  }
  WideString TextAt(int row) const { return ToWide(log.item(row)->text()); }
  bool InView(int row) const {
    return log.viewport()->rect().contains(log.visualItemRect(log.item(row)));
  }

  TSWLogBox log;
};

TEST_F(LogBoxTest, The101stMessageDropsTheOldestLineAndShowsTheNewestWithNoneSelected) {
  Add(1, 101);
  ASSERT_EQ(log.count(), 100);
  EXPECT_EQ(TextAt(0), u"line 2");
  EXPECT_EQ(TextAt(99), u"line 101");
  EXPECT_EQ(log.RecordAt(0).value().Icon, u"icon 2");
  EXPECT_EQ(log.RecordAt(99).value().Icon, u"icon 101");
  EXPECT_TRUE(InView(99));
  EXPECT_TRUE(log.selectedItems().isEmpty());
}

TEST_F(LogBoxTest, ALowerLimitLeavesOneLineFewerAndALimitBelowOneIsRefused) {
  Add(1, 50);
  log.SetLimit(10);
  ASSERT_EQ(log.count(), 9);
  EXPECT_EQ(TextAt(0), u"line 42");
  EXPECT_EQ(log.RecordAt(0).value().Icon, u"icon 42");

  EXPECT_THROW(log.SetLimit(0), EInvalidArgument);
  EXPECT_EQ(log.Limit(), 10);
  Add(51, 52);  // at the limit each addition drops one line
  ASSERT_EQ(log.count(), 10);
  EXPECT_EQ(TextAt(0), u"line 43");
  EXPECT_EQ(TextAt(9), u"line 52");
}

TEST_F(LogBoxTest, MessagesAddedOnAnotherThreadReachTheListOnTheWindowsThreadInOrder) {
  std::thread([this] { Add(1, 3); }).join();
  EXPECT_EQ(log.count(), 0);
  QCoreApplication::processEvents();
  ASSERT_EQ(log.count(), 3);
  EXPECT_EQ(TextAt(0), u"line 1");
  EXPECT_EQ(TextAt(2), u"line 3");
  EXPECT_EQ(log.RecordAt(2).value().Icon, u"icon 3");
}

// A log bound to a started game of genesis, written for Player1. The log outlives the game, as
// on the main window.
class LogBoxGameTest : public LogBoxTest {
 protected:
  LogBoxGameTest() {
    log.SetGame(&session.Game());
    log.SetPlayer(&session.Player1());
    session.Game().Start();
  }

  TSWMapCell& Cell(int x, int y) { return session.Map().Cell(x, y); }
  TSWCellObject* At(int x, int y, WideStringView slot = u"flower") {
    return Cell(x, y).Slots().FindObject(slot);
  }
  void Raise(const WideString& eventName, TObject* arg) {
    session.Config().Events().RaiseEvent(eventName, arg);
  }
  void Play(int turns) {
    for (int i = 0; i < turns; ++i) session.Game().DeliverTick();
  }
  int RowOf(const WideString& text) const {
    for (int row = 0; row < log.count(); ++row)
      if (TextAt(row) == text) return row;
    return -1;
  }
  // The record of the line that reads `text`; fails the test without one.
  TSWLogItem RecordOf(const WideString& text) const {
    const int row = RowOf(text);
    EXPECT_GE(row, 0) << "no line " << ToQString(text).toStdString();
    return log.RecordAt(row).value_or(TSWLogItem{});
  }
  WideString LastText() const { return TextAt(log.count() - 1); }
  TColor FontColor() const {
    const QColor color = log.palette().color(QPalette::Text);
    return RgbColor(color.red(), color.green(), color.blue());
  }
  void DoubleClick(int row) {
    log.setCurrentRow(row);
    const QPointF inside(30, 5);
    QMouseEvent event(QEvent::MouseButtonDblClick, inside, log.viewport()->mapToGlobal(inside),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(log.viewport(), &event);
  }

  TSWGameSession session{ToWide(QStringLiteral(SW_DATA_DIR)), u"maps\\genesis", tmTurn};
};

TEST_F(LogBoxGameTest, TheGameStartLineIsBoldInTheFontColourWithoutACell) {
  ASSERT_EQ(log.count(), 1);
  const TSWLogItem record = RecordOf(u"A new season begins in the garden.");
  EXPECT_EQ(record.Style, TSWLogStyle::Bold);
  EXPECT_EQ(record.Color, FontColor());
  EXPECT_EQ(record.Icon, u"events\\game start");
  EXPECT_EQ(record.Cell, nullptr);
}

TEST_F(LogBoxGameTest, EachFlowerEventWritesItsTextWithItsArgumentsColourAndCell) {
  // Oracles need loam or rich soil: this seed dies when it is ripe, after 20 turns.
  Cell(0, 2).Slots().Add(u"seed,oracle", &session.Player1());
  // The bloomer seed in 3:6 sprouts after 10 turns, the bloomer in 2:7 rises after 15.
  Play(20);
  const TSWLogItem grown = RecordOf(u"Bloomer has sprouted.");
  EXPECT_EQ(grown.Cell, &Cell(3, 6));
  EXPECT_EQ(grown.Color, RgbColor(0, 128, 0));
  EXPECT_EQ(grown.Style, TSWLogStyle::Regular);
  EXPECT_EQ(grown.Icon, u"events\\flower grown");
  const TSWLogItem levelUp = RecordOf(u"Bloomer has grown to level 2.");
  EXPECT_EQ(levelUp.Cell, &Cell(2, 7));
  EXPECT_EQ(levelUp.Color, FontColor());
  EXPECT_EQ(levelUp.Icon, u"events\\flower level up");
  const TSWLogItem badSoil = RecordOf(u"Seed has wilted away: the soil did not suit it.");
  EXPECT_EQ(badSoil.Cell, &Cell(0, 2));
  EXPECT_EQ(badSoil.Color, RgbColor(128, 0, 0));
  EXPECT_EQ(badSoil.Icon, u"events\\flower died");

  At(1, 6)->Damage(1000);
  EXPECT_EQ(LastText(), u"Melly has wilted away.");
  EXPECT_EQ(RecordOf(u"Melly has wilted away.").Cell, &Cell(1, 6));
  Raise(kEventPathRemoved, &Cell(5, 9).Slots());
  EXPECT_EQ(LastText(), u"Roots have broken up a path.");
  EXPECT_EQ(RecordOf(u"Roots have broken up a path.").Cell, nullptr);
}

TEST_F(LogBoxGameTest, AnotherPlayersFlowersAreWrittenFromFullInsightOnAndOwnFlowersAlways) {
  std::vector<int> weedLines;
  std::vector<int> ownLines;
  for (TPlayerInsight insight : {piNone, piBasic, piHP, piStats, piFull, piCoOwner}) {
    session.Player1().SetBaseInsight(insight);
    const int before = log.count();
    Raise(kEventFlowerLevelUp, At(9, 1, u"weed"));  // Gaia's
    weedLines.push_back(log.count() - before);
    Raise(kEventFlowerLevelUp, At(2, 7));
    ownLines.push_back(log.count() - before - weedLines.back());
  }
  EXPECT_EQ(weedLines, (std::vector<int>{0, 0, 0, 0, 1, 1}));
  EXPECT_EQ(ownLines, (std::vector<int>{1, 1, 1, 1, 1, 1}));

  session.Player1().SetBaseInsight(piNone);
  log.SetPlayer(nullptr);
  Raise(kEventFlowerDied, At(9, 1, u"weed"));
  EXPECT_EQ(LastText(), u"Weed has wilted away.");
}

TEST_F(LogBoxGameTest, DoubleClickingAFlowerLineSelectsItsCellAndOtherLinesSelectNothing) {
  Raise(kEventFlowerLevelUp, At(2, 7));
  DoubleClick(0);
  EXPECT_EQ(session.Map().SelectedCell(), nullptr);
  DoubleClick(1);
  EXPECT_EQ(session.Map().SelectedCell(), &Cell(2, 7));
}

TEST_F(LogBoxGameTest, LinesWhoseCellsTheBoardNoLongerHoldsSelectNothing) {
  Raise(kEventFlowerLevelUp, At(2, 7));
  session.Game().Start();  // a new board
  DoubleClick(1);
  EXPECT_EQ(session.Map().SelectedCell(), nullptr);

  Raise(kEventFlowerLevelUp, At(2, 7));
  session.Map().SetCellsY(5);  // the flower's row goes, without a new game
  DoubleClick(3);
  EXPECT_EQ(session.Map().SelectedCell(), nullptr);
}

TEST_F(LogBoxGameTest, ALogMovedToAnotherGameHearsOnlyThatOne) {
  TSWGameSession other{ToWide(QStringLiteral(SW_DATA_DIR)), u"maps\\maze", tmTurn};
  log.SetGame(&other.Game());
  Raise(kEventFlowerLevelUp, At(2, 7));
  EXPECT_EQ(log.count(), 1);
  other.Game().Start();
  EXPECT_EQ(log.count(), 2);
  EXPECT_EQ(LastText(), u"A new season begins in the garden.");
}

}  // namespace
