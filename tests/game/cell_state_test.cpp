#include "game/cell_state.h"

#include <vector>

#include "config/event_names.h"
#include "game/objects_fixture.h"
#include "support/recording_canvas.h"

namespace {

class CellStateTest : public ObjectsTest {
 protected:
  CellStateTest() {
    WriteImage("objects/bloomer", 39, 50);
    WriteImage("objects/weed", 39, 20);
    WriteImage("objects/path", 114, 19);
    WriteImage("objects/fence", 20, 30);
    WriteImage("objects/puddle deep", 60, 10);
  }

  TRect CellRect(int x, int y) {
    const TPoint p = CellAt(x, y).Position();
    return Bounds(p.X, p.Y, kCellImageWidth, kCellImageHeight);
  }

  TSWMapCellSlots& slots = SlotsAt(3, 3);
  TRecordingCanvas canvas;
};

// Cell (3, 3) has its top-left at (511, 82), cell (3, 2) at (553, 63).

TEST_F(CellStateTest, ASingleSlotObjectStandsCentredRoundingTiesToEven) {
  slots.Add(u"bloomer", &owner);
  CellAt(3, 3).PaintSlots(canvas);
  // Left: 511 + (114 - 39) / 2 = 548.5, to even 548. Top: 82 - 5 + (19 - 50) / 2, the division
  // truncating to -15.
  EXPECT_EQ(canvas.DrawnImages(),
            (std::vector<TDrawnImage>{{ImageOf(u"objects\\bloomer"), 548, 62}}));
}

TEST_F(CellStateTest, TwoSlotObjectsStandAtAThirdAndTwoThirdsOfTheFreeWidth) {
  slots.Add(u"path", &owner);
  slots.Add(u"bloomer", &owner);
  slots.Add(u"weed", &owner);
  CellAt(3, 3).PaintSlots(canvas);

  // The path does not stand side by side and keeps the whole cell.
  std::vector<TDrawnImage> expected{{ImageOf(u"objects\\path"), 511, 82}};
  int left = 511 + 25;
  for (int i = 1; i < slots.Count(); ++i, left += 25) {
    const WideString& name = slots.Flowers(i).Name();
    expected.push_back({ImageOf(u"objects\\" + name), left, name == u"bloomer" ? 62 : 72});
  }
  EXPECT_EQ(canvas.DrawnImages(), expected);
}

TEST_F(CellStateTest, ACellStateIsCentredAtItsOffsetWithItsVariant) {
  slots.Add(u"fence", &owner);
  slots.Add(u"puddle,deep", &owner);
  CellAt(3, 3).PaintSlots(canvas);
  EXPECT_EQ(canvas.DrawnImages(),
            (std::vector<TDrawnImage>{{ImageOf(u"objects\\puddle deep"), 538, 86},
                                      {ImageOf(u"objects\\fence"), 558, 66}}));
}

TEST_F(CellStateTest, ACellStateNearTheEdgeCoversOnlyCellsOfTheMap) {
  SlotsAt(0, 1).Add(u"fence", &owner);
  const auto& edge = static_cast<const TSWCellState&>(*SlotsAt(0, 1).Find(u"fence"));
  ASSERT_EQ(edge.AffectedCells().Count(), 1);
  EXPECT_EQ(edge.AffectedCells().Coords(0), (TPoint{0, 0}));
  SlotsAt(0, 0).Add(u"fence", &owner);
  EXPECT_EQ(static_cast<const TSWCellState&>(*SlotsAt(0, 0).Find(u"fence")).AffectedCells().Count(),
            0);
}

TEST_F(CellStateTest, AfterACoveredCellIsPaintedTheObjectsAreDrawnAgainClippedToIt) {
  slots.Add(u"fence", &owner);
  CellAt(3, 2).Render(canvas);

  const std::vector<TCanvasRecord>& records = canvas.Records();
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].Image, ImageOf(u"cell"));
  EXPECT_EQ(records[0].Position, (TPoint{553, 63}));
  EXPECT_EQ(records[1].Kind, TCanvasCall::PushClip);
  EXPECT_EQ(records[1].Rect, CellRect(3, 2));
  EXPECT_EQ(records[2].Image, ImageOf(u"objects\\fence"));
  EXPECT_EQ(records[2].Position, (TPoint{558, 66}));
  EXPECT_EQ(records[2].Clip, CellRect(3, 2));
  EXPECT_EQ(records[3].Kind, TCanvasCall::PopClip);
  EXPECT_EQ(records[3].Clip, (TRect{0, 0, 4096, 4096}));
  EXPECT_EQ(canvas.ClipDepth(), 0);

  canvas.Clear();
  CellAt(2, 2).Render(canvas);
  EXPECT_EQ(canvas.Records().size(), 4u);
  canvas.Clear();
  CellAt(4, 2).Render(canvas);
  EXPECT_EQ(canvas.Records().size(), 1u);
}

TEST_F(CellStateTest, WhenTheCanvasCannotClipTheOwnCellIsRenderedInFull) {
  slots.Add(u"fence", &owner);
  CellAt(3, 3).Subscribe(kEventBeforePaint, log.Handler());
  CellAt(3, 3).Subscribe(kEventAfterPaint, log.Handler());
  canvas.SetClipSupported(false);

  CellAt(3, 2).Render(canvas);
  EXPECT_EQ(canvas.DrawnImages(),
            (std::vector<TDrawnImage>{{ImageOf(u"cell"), 553, 63},
                                      {ImageOf(u"cell"), 511, 82},
                                      {ImageOf(u"objects\\fence"), 558, 66}}));
  EXPECT_EQ(log.Events, (std::vector<TLoggedEvent>{{kEventBeforePaint, &CellAt(3, 3)},
                                                   {kEventAfterPaint, &CellAt(3, 3)}}));
}

TEST_F(CellStateTest, SlotChangesAndTheObjectsEndRepaintTheCoveredCells) {
  slots.Add(u"fence", &owner);
  // The empty slot's removal, then the cells every object covers, then the cell itself.
  EXPECT_EQ(host.Rects, (std::vector<TRect>{map.CellRepaintRect(3, 3), map.CellRepaintRect(3, 2),
                                            map.CellRepaintRect(2, 2), map.CellRepaintRect(3, 3)}));
  TSWFlower* fence = slots.Find(u"fence");
  fence->Subscribe(kEventFree, log.Handler());
  host.Rects.clear();

  slots.Remove(u"fence");
  // Its end is still heard by those who follow it, though its own subscriptions went first.
  EXPECT_EQ(log.Events, (std::vector<TLoggedEvent>{{kEventFree, fence}}));
  EXPECT_EQ(host.Rects, (std::vector<TRect>{map.CellRepaintRect(3, 2), map.CellRepaintRect(2, 2),
                                            map.CellRepaintRect(3, 3)}));
  CellAt(3, 2).Render(canvas);
  EXPECT_EQ(canvas.Records().size(), 1u);
}

}  // namespace
