#include "map/selectable_map.h"

#include <gtest/gtest.h>

#include "map/coords_list.h"
#include "map/map_control_fixture.h"

namespace {

class SelectionClient : public TObject {
 public:
  bool Accept(const TSWMapCell& cell) const { return cell.X() == AcceptedColumn; }
  void Done(TSWSelectableMap* map) {
    DoneWhileSelecting.push_back(map->Selecting());
    if (StartAnother) map->BeginSelection();
  }
  void OnPopup(int x, int y) { Popups.push_back({x, y}); }

  int AcceptedColumn = 4;
  bool StartAnother = false;
  std::vector<bool> DoneWhileSelecting;
  std::vector<TPoint> Popups;
};

class SelectableMapTest : public MapControlTest {
 protected:
  // A selection of `count` cells of column 4.
  void Select(int count) {
    map.BeginSelection();
    map.SetRequiredCount(count);
    map.SetFilter(TSWMapCellFilter::Of<&SelectionClient::Accept>(&client));
    map.SetOnSelectionDone(TSWSelectionDoneEvent::Of<&SelectionClient::Done>(&client));
    map.StartSelection();
  }
  void Click(TPoint at, TMouseButton button = TMouseButton::Left, TShiftState shift = 0) {
    map.MouseUp(button, at.X, at.Y, shift);
  }

  SelectionClient client;
};

}  // namespace

TEST_F(SelectableMapTest, SelectionTransitionsFailWithTheMapsName) {
  const WideString notSelecting = u"Map.EndSelection failed because no selection was underway.";
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { map.EndSelection(); }), notSelecting);
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { map.CancelSelection(); }), notSelecting);
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { map.FinishSelection(); }), notSelecting);
  EXPECT_FALSE(map.Selecting());
  EXPECT_TRUE(client.DoneWhileSelecting.empty());

  Select(2);
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { map.BeginSelection(); }),
            u"Map Map is already performing a selection.");
  EXPECT_TRUE(map.Selecting());
  map.CancelSelection();
  EXPECT_FALSE(map.Selecting());
  EXPECT_TRUE(client.DoneWhileSelecting.empty());
}

TEST_F(SelectableMapTest, EveryAcceptedPickCountsAndTheLastOneFinishes) {
  Select(2);
  Click(Inside(4, 5));
  EXPECT_TRUE(map.Selecting());
  Click(Inside(4, 5));
  EXPECT_FALSE(map.Selecting());
  EXPECT_EQ(client.DoneWhileSelecting, std::vector<bool>{false});
  ASSERT_EQ(map.Selection().Count(), 2);
  EXPECT_EQ(map.Selection().Coords(0), (TPoint{4, 5}));
  EXPECT_EQ(map.Selection().Coords(1), (TPoint{4, 5}));
  EXPECT_EQ(map.SelectedCell(), nullptr);
}

TEST_F(SelectableMapTest, RejectedAndEmptyClicksAreIgnoredOtherClicksActAsUsual) {
  map.SetOnContextPopup(TSWMapContextPopupEvent::Of<&SelectionClient::OnPopup>(&client));
  map.SelectCell(&CellAt(1, 1));
  Select(1);
  Click(Inside(3, 5));
  Click({2000, 10});
  EXPECT_TRUE(map.Selecting());
  EXPECT_EQ(map.Selection().Count(), 0);
  EXPECT_EQ(map.SelectedCell(), &CellAt(1, 1));

  Click(Inside(3, 5), TMouseButton::Right);
  EXPECT_EQ(client.Popups, (std::vector<TPoint>{Inside(3, 5)}));
  // A held modifier makes a left click an ordinary selection.
  Click(Inside(4, 5), TMouseButton::Left, ssCtrl);
  EXPECT_EQ(map.SelectedCell(), &CellAt(4, 5));
  EXPECT_EQ(map.Selection().Count(), 0);
  // Hovering goes on as usual.
  map.MouseMove(Inside(3, 5).X, Inside(3, 5).Y);
  EXPECT_EQ(map.HoveredCell(), &CellAt(3, 5));
}

TEST_F(SelectableMapTest, StartingAgainKeepsThePicksAndOnlyRepaints) {
  Select(3);
  Click(Inside(4, 1));
  const int repaints = control.InvalidatedAll;
  map.StartSelection();
  EXPECT_EQ(map.Selection().Count(), 1);
  EXPECT_EQ(control.InvalidatedAll, repaints + 1);
}

TEST_F(SelectableMapTest, TheSelectionDoneHandlerMayStartTheNextSelection) {
  client.StartAnother = true;
  Select(1);
  Click(Inside(4, 2));
  EXPECT_EQ(client.DoneWhileSelecting, std::vector<bool>{false});
  EXPECT_TRUE(map.Selecting());
  EXPECT_EQ(map.Selection().Count(), 0);
}

TEST_F(SelectableMapTest, CellsTheFilterRejectsShowAsNonSelectableWhileSelecting) {
  Select(1);
  TRecordingCanvas selecting({0, 0, 1244, 240});
  map.Paint(selecting);
  const std::vector<TPoint> marked = DrawnAt(selecting, u"cell non-selectable");
  EXPECT_EQ(marked.size(), 90u);
  for (int y = 0; y < 10; ++y)
    EXPECT_EQ(std::count(marked.begin(), marked.end(), CellAt(4, y).Position()), 0);

  map.EndSelection();
  TRecordingCanvas after({0, 0, 1244, 240});
  map.Paint(after);
  EXPECT_TRUE(DrawnAt(after, u"cell non-selectable").empty());
}
