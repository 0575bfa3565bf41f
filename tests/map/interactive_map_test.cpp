#include "map/interactive_map.h"

#include <gtest/gtest.h>

#include "map/map_control_fixture.h"

namespace {

class MarkRecorder : public TObject {
 public:
  void OnCell(TSWMapCell* cell) { Cells.push_back(cell); }
  void OnPopup(int x, int y) { Popups.push_back({x, y}); }
  // Hovers the cell it is told about, as a handler that marks again.
  void HoverToo(TSWMapCell* cell) {
    OnCell(cell);
    Map->SetMark(cell, TSWInteractiveMap::kHoverMark);
  }

  TSWMapCellEvent Recorder() { return TSWMapCellEvent::Of<&MarkRecorder::OnCell>(this); }

  TSWInteractiveMap* Map = nullptr;
  std::vector<const TSWMapCell*> Cells;
  std::vector<TPoint> Popups;
};

class InteractiveMapTest : public MapControlTest {
 protected:
  InteractiveMapTest() {
    map.SetOnHover(hovered.Recorder());
    map.SetOnSelect(selected.Recorder());
    map.SetOnContextPopup(TSWMapContextPopupEvent::Of<&MarkRecorder::OnPopup>(&popups));
  }

  void Click(TPoint at, TMouseButton button = TMouseButton::Left, TShiftState shift = 0) {
    map.MouseUp(button, at.X, at.Y, shift);
  }
  void Move(TPoint at) { map.MouseMove(at.X, at.Y); }

  MarkRecorder hovered;
  MarkRecorder selected;
  MarkRecorder popups;
};

}  // namespace

TEST_F(InteractiveMapTest, HoveringMarksEachCellOnceAndRepaintsTheCellsItLeavesAndEnters) {
  TSWMapCell& first = CellAt(4, 5);
  TSWMapCell& second = CellAt(5, 5);
  Move(Inside(4, 5));
  Move({Inside(4, 5).X + 3, Inside(4, 5).Y + 1});
  EXPECT_EQ(hovered.Cells, (std::vector<const TSWMapCell*>{&first}));
  EXPECT_TRUE(first.HasState(TSWInteractiveMap::kHoverMark));
  EXPECT_EQ(control.Rects, (std::vector<TRect>{map.CellRepaintRect(4, 5)}));

  Move(Inside(5, 5));
  EXPECT_EQ(map.HoveredCell(), &second);
  EXPECT_FALSE(first.HasState(TSWInteractiveMap::kHoverMark));
  EXPECT_EQ(control.Rects, (std::vector<TRect>{map.CellRepaintRect(4, 5), map.CellRepaintRect(4, 5),
                                               map.CellRepaintRect(5, 5)}));

  // The top margin belongs to (3, 0) in the click map, but hovering it is hovering nothing.
  Move({700, 10});
  Move({2000, 10});
  EXPECT_EQ(hovered.Cells, (std::vector<const TSWMapCell*>{&first, &second, nullptr}));
  EXPECT_EQ(second.States(), 0);
}

TEST_F(InteractiveMapTest, LeftClicksSelectAndDeselectRightClicksAskForAPopup) {
  Click(Inside(2, 3));
  EXPECT_EQ(map.SelectedCell(), &CellAt(2, 3));
  EXPECT_TRUE(CellAt(2, 3).HasState(TSWInteractiveMap::kSelectMark));
  Click(Inside(2, 3));
  EXPECT_EQ(map.SelectedCell(), nullptr);
  EXPECT_EQ(CellAt(2, 3).States(), 0);
  // A margin selects the edge cell the click map gives it; no cell deselects.
  Click({700, 10});
  EXPECT_EQ(map.SelectedCell(), &CellAt(3, 0));
  Click({700, 10}, TMouseButton::Right);
  Click({700, 10}, TMouseButton::Middle);
  EXPECT_EQ(map.SelectedCell(), &CellAt(3, 0));
  Click({2000, 10});
  EXPECT_EQ(selected.Cells,
            (std::vector<const TSWMapCell*>{&CellAt(2, 3), nullptr, &CellAt(3, 0), nullptr}));
  EXPECT_EQ(popups.Popups, (std::vector<TPoint>{{700, 10}}));
}

TEST_F(InteractiveMapTest, MarkingTheMarkedCellAgainDoesNothing) {
  map.SelectCell(&CellAt(1, 1));
  map.SelectCell(&CellAt(1, 1));
  map.SetMark(nullptr, TSWInteractiveMap::kHoverMark);
  EXPECT_EQ(selected.Cells.size(), 1u);
  EXPECT_TRUE(hovered.Cells.empty());
  EXPECT_EQ(control.Rects.size(), 1u);
}

TEST_F(InteractiveMapTest, MarkHandlersMayMarkAgain) {
  selected.Map = &map;
  map.SetOnSelect(TSWMapCellEvent::Of<&MarkRecorder::HoverToo>(&selected));
  map.SelectCell(&CellAt(7, 2));
  EXPECT_EQ(map.HoveredCell(), &CellAt(7, 2));
  EXPECT_EQ(CellAt(7, 2).States(), 3);
}

TEST_F(InteractiveMapTest, AFailedRepaintRequestLeavesTheMarkingUsable) {
  control.Failing = true;
  EXPECT_THROW(map.SelectCell(&CellAt(1, 1)), EOSError);
  control.Failing = false;
  map.SelectCell(&CellAt(2, 2));
  EXPECT_EQ(map.SelectedCell(), &CellAt(2, 2));
  EXPECT_EQ(CellAt(1, 1).States(), 0);
  EXPECT_EQ(selected.Cells, (std::vector<const TSWMapCell*>{&CellAt(2, 2)}));
}
