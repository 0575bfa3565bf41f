#include "map/map_cell_slots.h"

#include "config/event_names.h"
#include "map/board_fixture.h"

namespace {

class MapCellSlotsTest : public BoardTest {
 protected:
  MapCellSlotsTest() : cell(CellAt(4, 6)), slots(cell.Slots()) { log.Watch(cell); }

  std::vector<const TSWFlower*> InSlotOrder() {
    std::vector<const TSWFlower*> objects;
    for (int i = 0; i < slots.Count(); ++i) objects.push_back(&slots.Flowers(i));
    return objects;
  }

  TSWMapCell& cell;
  TSWMapCellSlots& slots;
};

TEST_F(MapCellSlotsTest, FillingAnEmptySlotFirstDeletesTheCellItself) {
  slots.Add(u"testbloom", player.get());
  const TSWFlower* bloom = slots.Find(u"FLOWER");
  ASSERT_NE(bloom, nullptr);
  EXPECT_EQ(bloom->ClassName(), u"TSWFlower_Testbloom");
  EXPECT_EQ(&bloom->Slots(), &slots);
  EXPECT_EQ(bloom->GetConfig(), &config);
  EXPECT_EQ(log.Events,
            (std::vector<TLoggedEvent>{{kEventSlotDelete, &cell}, {kEventSlotAdd, bloom}}));
  EXPECT_FALSE(slots.IsFree(u"Flower"));
  EXPECT_TRUE(slots.IsFree(u"light"));
}

TEST_F(MapCellSlotsTest, AnObjectReplacesTheOneInItsSlot) {
  slots.Add(u"testseed", player.get());
  const TSWFlower* seed = slots.Find(u"flower");
  log.Events.clear();

  slots.Add(u"testbloom", player.get());
  const TSWFlower* bloom = slots.Find(u"flower");
  EXPECT_EQ(log.Events,
            (std::vector<TLoggedEvent>{{kEventSlotDelete, seed}, {kEventSlotAdd, bloom}}));
  EXPECT_EQ(bloom->ClassName(), u"TSWFlower_Testbloom");
  EXPECT_EQ(slots.Count(), 1);
  EXPECT_EQ(TestFlower::Alive, 1);
}

// Adding removes the slot's object first, and each of the two steps refreshes the cell.
TEST_F(MapCellSlotsTest, ObjectsAreKeptInAscendingPaintOrderAndAllRepaintAfterEachChange) {
  slots.Add(u"testshade", player.get());
  slots.Add(u"testbloom", player.get());
  TestFlower::Invalidated.clear();
  host.Rects.clear();
  slots.Add(u"testpath", player.get());
  const TSWFlower* path = slots.Find(u"testpath");
  const TSWFlower* bloom = slots.Find(u"flower");
  const TSWFlower* shade = slots.Find(u"light");
  EXPECT_EQ(InSlotOrder(), (std::vector<const TSWFlower*>{path, bloom, shade}));
  EXPECT_EQ(TestFlower::Invalidated,
            (std::vector<const TSWFlower*>{bloom, shade, path, bloom, shade}));
  const TRect repaint = map.CellRepaintRect(4, 6);
  ASSERT_FALSE(repaint.IsEmpty());
  EXPECT_EQ(host.Rects, (std::vector<TRect>{repaint, repaint}));

  TestFlower::Invalidated.clear();
  host.Rects.clear();
  slots.Remove(u"flower");
  EXPECT_EQ(InSlotOrder(), (std::vector<const TSWFlower*>{path, shade}));
  EXPECT_EQ(TestFlower::Invalidated, (std::vector<const TSWFlower*>{path, shade}));
  EXPECT_EQ(host.Rects, (std::vector<TRect>{repaint}));
}

TEST_F(MapCellSlotsTest, RemovingEverythingDeletesEachSlotFirstToLast) {
  for (const char16_t* spec : {u"testshade", u"testbloom", u"testpath"})
    slots.Add(spec, player.get());
  const std::vector<const TSWFlower*> objects = InSlotOrder();
  log.Events.clear();

  slots.Remove(u"");
  EXPECT_EQ(log.Events, (std::vector<TLoggedEvent>{{kEventSlotDelete, objects[0]},
                                                   {kEventSlotDelete, objects[1]},
                                                   {kEventSlotDelete, objects[2]}}));
  EXPECT_EQ(slots.Count(), 0);
  EXPECT_EQ(TestFlower::Alive, 0);
}

TEST_F(MapCellSlotsTest, RemovingAnEmptySlotOnlyRaisesItsEvent) {
  slots.Add(u"testbloom", player.get());
  log.Events.clear();
  slots.Remove(u"light");
  EXPECT_EQ(log.Events, (std::vector<TLoggedEvent>{{kEventSlotDelete, &cell}}));
  EXPECT_EQ(slots.Count(), 1);
}

TEST_F(MapCellSlotsTest, AFailedAddLeavesTheContainerUnchanged) {
  slots.Add(u"testbloom", player.get());
  const TSWFlower* bloom = slots.Find(u"flower");
  log.Events.clear();
  TObject stranger;

  EXPECT_EQ(ErrorOf<EComponentError>([&] { slots.Add(u"nosuch,1", player.get()); }),
            u"CreateFrom(nosuch,1) failed because type nosuch is unknown.");
  EXPECT_EQ(ErrorOf<EComponentError>([&] { slots.Add(u"testseed", &stranger); }),
            u"Flower must be created with a TSWPlayer Player.");
  EXPECT_EQ(ErrorOf<EComponentError>([&] { slots.Add(u"testseed", nullptr); }),
            u"Flower must be created with a TSWPlayer Player.");
  EXPECT_EQ(ErrorOf<EConvertError>([&] { slots.Add(u"testbroken", player.get()); }),
            u"Property HP of [testbroken] must be a number - but lots was given.");

  EXPECT_EQ(InSlotOrder(), (std::vector<const TSWFlower*>{bloom}));
  EXPECT_TRUE(log.Events.empty());
  EXPECT_EQ(TestFlower::Alive, 1);
}

}  // namespace

// The grid's watcher hears every cell's slot events right after the cell's subscribers, with
// the argument they got, and nothing else the cell raises.
TEST_F(MapCellSlotsTest, TheGridsSlotWatcherHearsEveryCellAfterItsSubscribers) {
  map.Cells().SetSlotWatcher(log.Handler());
  slots.Add(u"testbloom", player.get());
  const TSWFlower* bloom = slots.Find(u"flower");
  TSWMapCell& other = CellAt(0, 0);
  other.Slots().Add(u"testseed", player.get());
  const TSWFlower* seed = other.Slots().Find(u"flower");
  other.RaiseEvent(kEventSlotLevelUp, nullptr);
  other.RaiseEvent(kEventBeforePaint, nullptr);
  map.Cells().SetSlotWatcher({});
  slots.Remove(u"flower");

  // Cell (4, 6) has the log as its subscriber too: each of its events comes twice.
  EXPECT_EQ(log.Events, (std::vector<TLoggedEvent>{{kEventSlotDelete, &cell},
                                                   {kEventSlotDelete, &cell},
                                                   {kEventSlotAdd, bloom},
                                                   {kEventSlotAdd, bloom},
                                                   {kEventSlotDelete, &other},
                                                   {kEventSlotAdd, seed},
                                                   {kEventSlotLevelUp, &other},
                                                   {kEventSlotDelete, bloom}}));
}
