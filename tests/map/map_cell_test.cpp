#include "map/map_cell.h"

#include "config/event_names.h"
#include "map/board_fixture.h"
#include "support/recording_canvas.h"

namespace {

// Writes the paint events onto the canvas, so they appear in order among the drawings.
class PaintEventMarker : public TObject {
 public:
  explicit PaintEventMarker(TCanvas& canvas) : canvas_(canvas) {}
  void OnEvent(TSWConfig* /*sender*/, const WideString& eventName, TObject* /*arg*/) {
    canvas_.DrawText(0, 0, eventName.substr(3), 0);
  }
  void Watch(TSWMapCell& cell) {
    const auto handler = TSWEventHandler::Of<&PaintEventMarker::OnEvent>(this);
    cell.Subscribe(kEventBeforePaint, handler);
    cell.Subscribe(kEventAfterPaint, handler);
  }

 private:
  TCanvas& canvas_;
};

class RejectAll : public TObject {
 public:
  bool Accepts(const TSWMapCell& /*cell*/) { return false; }
};

// What the recording canvas saw, as one line per call: an image by its package name, text as
// written.
class MapCellPaintTest : public BoardTest {
 protected:
  std::vector<WideString> Drawn() {
    std::vector<WideString> drawn;
    for (const TCanvasRecord& record : canvas.Records()) {
      const WideString where =
          u" @" + IntToWide(record.Position.X) + u"," + IntToWide(record.Position.Y);
      drawn.push_back((record.Kind == TCanvasCall::DrawText ? record.Text : NameOf(record.Image)) +
                      where);
    }
    return drawn;
  }
  WideString NameOf(const TPngImage* image) {
    for (const char16_t* name :
         {u"cell", u"soil clay", u"cell null", u"cell non-selectable", u"cell border",
          u"cell border selected", u"cell border over", u"board right", u"board bottom"})
      if (ImageOf(name) == image) return name;
    return u"?";
  }

  TRecordingCanvas canvas;
  PaintEventMarker marker{canvas};
  RejectAll rejecter;
};

TEST_F(MapCellPaintTest, ACornerCellDrawsEverythingInOrderBetweenItsPaintEvents) {
  TSWMapCell& cell = PutCell(9, 9, u"TSWMapCell_Null");
  cell.Slots().Add(u"testshade", player.get());
  cell.Slots().Add(u"testbloom", player.get());
  cell.Slots().Add(u"testpath", player.get());
  cell.SetState(0, true);
  cell.SetState(1, true);
  config.SetShowGrid(true);
  map.SetFilter(TSWMapCellFilter::Of<&RejectAll::Accepts>(&rejecter));
  map.StartSelection();
  marker.Watch(cell);

  cell.Render(canvas);
  EXPECT_EQ(Drawn(), (std::vector<WideString>{
                         u"before paint @0,0", u"cell @727,196", u"cell non-selectable @727,196",
                         u"cell border @727,196", u"cell border selected @727,196",
                         u"cell border over @727,196", u"testpath @727,196", u"testbloom @727,196",
                         u"testshade @727,196", u"board right @805,195", u"board bottom @727,215",
                         u"cell null @727,196", u"after paint @0,0"}));
}

TEST_F(MapCellPaintTest, AnInnerCellDrawsOnlyWhatApplies) {
  TSWMapCell& cell = PutCell(3, 4, u"TSWMapCell_Clay");
  cell.SetState(0, true);
  cell.SetState(0, false);
  marker.Watch(cell);

  cell.Render(canvas);
  EXPECT_EQ(Drawn(), (std::vector<WideString>{u"before paint @0,0", u"soil clay @469,101",
                                              u"after paint @0,0"}));
}

TEST_F(MapCellPaintTest, TheLastColumnAndRowDrawTheirOwnEdgeOnly) {
  CellAt(9, 0).Paint(canvas);
  CellAt(0, 9).Paint(canvas);
  EXPECT_EQ(Drawn(), (std::vector<WideString>{u"cell @1105,25", u"board right @1183,24",
                                              u"cell @25,196", u"board bottom @25,215"}));
}

using MapCellTest = BoardTest;

class HurtTest : public BoardTest {
 protected:
  // A bloom of 100 HP in every cell of a 5 x 5 grid.
  HurtTest() {
    map.Cells().SetCellsX(5);
    map.Cells().SetCellsY(5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 5; ++x) CellAt(x, y).Slots().Add(u"testbloom", player.get());
  }
  // Hit points lost per cell, row by row.
  std::vector<int> Lost() {
    std::vector<int> lost;
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 5; ++x) lost.push_back(100 - CellAt(x, y).Slots().Find(u"flower")->HP());
    return lost;
  }
};

class RefuseAll : public TObject {
 public:
  bool Accepts(TSWCellObject* /*object*/) { return false; }
};

TEST_F(HurtTest, EveryWalkOfAtMostRadiusStepsHurtsWhereItEnds) {
  CellAt(2, 2).HurtArea(1, 0);
  EXPECT_EQ(Lost(), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1,
                                      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  CellAt(0, 0).HurtArea(10, 1);
  EXPECT_EQ(Lost(), (std::vector<int>{10, 10, 0, 0, 0, 10, 10, 0, 0, 0, 0, 0, 1,
                                      0,  0,  0, 0, 0, 0,  0,  0, 0, 0, 0, 0}));
}

TEST_F(HurtTest, RadiusTwoHurtsTheCentreNineTimes) {
  CellAt(2, 2).HurtArea(1, 2);
  const std::vector<int> lost = Lost();
  EXPECT_EQ(lost[2 * 5 + 2], 9);
  EXPECT_EQ(lost[0], 1) << "only through (1, 1)";
  EXPECT_EQ(lost[1 * 5 + 1], 3) << "directly, and through (1, 2) and (2, 1)";
}

TEST_F(HurtTest, AFilterKeepsObjectsFromHarm) {
  RefuseAll filter;
  CellAt(2, 2).HurtArea(5, 2, TSWCellObjectFilter::Of<&RefuseAll::Accepts>(&filter));
  EXPECT_EQ(Lost(), std::vector<int>(25, 0));
}

TEST_F(MapCellTest, HurtingWalksDownSoTheDeadLeaveTheRestInPlace) {
  TSWMapCell& cell = CellAt(4, 4);
  for (const char16_t* spec : {u"testpath", u"testbloom", u"testshade"})
    cell.Slots().Add(spec, player.get());
  for (int i = 0; i < cell.Slots().Count(); ++i) cell.Slots().Flowers(i).ExchangeHP(1);
  config.Events().AddHandler(kEventFlowerDied, log.Handler());
  const TSWFlower* path = cell.Slots().Find(u"testpath");
  const TSWFlower* bloom = cell.Slots().Find(u"flower");
  const TSWFlower* shade = cell.Slots().Find(u"light");

  cell.HurtSlots(1);
  EXPECT_EQ(log.Events,
            (std::vector<TLoggedEvent>{
                {kEventFlowerDied, shade}, {kEventFlowerDied, bloom}, {kEventFlowerDied, path}}));
  EXPECT_EQ(cell.Slots().Count(), 0);
}

TEST_F(MapCellTest, ACellFreesItsObjectsBeforeItGoes) {
  TSWMapCell& cell = CellAt(1, 1);
  cell.Slots().Add(u"testbloom", player.get());
  TSWFlower* bloom = cell.Slots().Find(u"flower");
  bloom->Subscribe(kEventFree, log.Handler());
  cell.Subscribe(kEventFree, log.Handler());

  PutCell(1, 1, u"TSWMapCell_Soil");
  EXPECT_EQ(log.Events, (std::vector<TLoggedEvent>{{kEventFree, bloom}, {kEventFree, &cell}}));
  EXPECT_EQ(TestFlower::Alive, 0);
}

TEST_F(MapCellTest, ACellNeverAskedForItsSlotsActsAndCountsAsOneWithEmptySlots) {
  TSWMapCell& untouched = CellAt(2, 3);
  TSWMapCell& asked = CellAt(3, 3);
  EXPECT_EQ(asked.Slots().Count(), 0);
  EXPECT_EQ(untouched.MemorySize(), asked.MemorySize());

  untouched.Subscribe(kEventFree, log.Handler());
  asked.HurtArea(7, 1);
  untouched.HurtSlots(7);
  PutCell(2, 3, u"TSWMapCell_Soil");
  EXPECT_EQ(log.Events, (std::vector<TLoggedEvent>{{kEventFree, &untouched}}));
}

}  // namespace
