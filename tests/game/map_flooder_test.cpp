#include "game/map_flooder.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "config/data_folder_fixture.h"
#include "map/coords_list.h"
#include "map/map_cell.h"
#include "map/sw_map.h"

namespace {

// Blocks the cells it was given.
class Walls : public TObject {
 public:
  bool Blocks(const TSWMapCell& cell) const { return Cells.count({cell.X(), cell.Y()}) > 0; }

  std::set<std::pair<int, int>> Cells;
};

class MapFlooderTest : public testing::Test {
 protected:
  MapFlooderTest() {
    map.SetCellsX(5);
    map.SetCellsY(5);
    flooder.SetFlooded(&flooded);
    flooder.SetBlocks(TSWFloodBlocks::Of<&Walls::Blocks>(&walls));
  }

  std::vector<TPoint> Flood(int x, int y, int depth) {
    flooder.Start(x, y, depth);
    std::vector<TPoint> cells;
    for (int i = 0; i < flooded.Count(); ++i) cells.push_back(flooded.Coords(i));
    return cells;
  }

  TSWMap map;
  Walls walls;
  TCoordsList flooded;
  TSWMapFlooder flooder{&map};
};

using Cells = std::vector<TPoint>;

TEST_F(MapFlooderTest, DepthOneReachesTheStartAndItsNeighboursOrthogonalFirst) {
  EXPECT_EQ(Flood(2, 2, 1),
            (Cells{{2, 2}, {2, 1}, {2, 3}, {1, 2}, {3, 2}, {1, 1}, {3, 1}, {1, 3}, {3, 3}}));

  flooded.Clear();
  EXPECT_EQ(Flood(0, 0, 1), (Cells{{0, 0}, {0, 1}, {1, 0}, {1, 1}}));

  flooded.Clear();
  EXPECT_TRUE(Flood(2, 2, 0).empty());
}

TEST_F(MapFlooderTest, GoesDeeperFromTheNewestCellFirstAndNeverExpandsACellTwice) {
  const Cells cells = Flood(2, 2, 2);
  ASSERT_EQ(cells.size(), 25u);
  // After the nine of depth 1, the flood continues from (3, 3), the last one added.
  EXPECT_EQ(Cells(cells.begin() + 9, cells.begin() + 14),
            (Cells{{3, 4}, {4, 3}, {4, 2}, {2, 4}, {4, 4}}));
}

TEST_F(MapFlooderTest, ADiagonalNeedsOneOpenSideCell) {
  walls.Cells = {{1, 2}};
  EXPECT_EQ(Flood(2, 2, 1),
            (Cells{{2, 2}, {2, 1}, {2, 3}, {3, 2}, {1, 1}, {3, 1}, {1, 3}, {3, 3}}));

  flooded.Clear();
  walls.Cells = {{1, 2}, {2, 1}};
  EXPECT_EQ(Flood(2, 2, 1), (Cells{{2, 2}, {2, 3}, {3, 2}, {3, 1}, {1, 3}, {3, 3}}));
}

TEST_F(MapFlooderTest, ABlockedStartIsLeftOutButStillFloodsFrom) {
  walls.Cells = {{0, 0}};
  EXPECT_EQ(Flood(0, 0, 1), (Cells{{0, 1}, {1, 0}, {1, 1}}));

  // Without a callback only the edge blocks.
  flooded.Clear();
  flooder.SetBlocks({});
  EXPECT_EQ(Flood(0, 0, 1).size(), 4u);
}

TEST_F(MapFlooderTest, StartFailsWithoutAFloodedList) {
  TSWMapFlooder unassigned(&map);
  EXPECT_EQ(ErrorOf<EComponentError>([&] { unassigned.Start(0, 0, 1); }),
            u"Flooded list must be assigned prior to calling TSWMapFlooder.Start.");
}

}  // namespace
