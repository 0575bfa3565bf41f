#include "map/walk_counts.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "map/cell_object.h"

namespace {

using TCountsByCell = std::map<std::pair<int, int>, int64_t>;

// The walks enumerated one by one, as the recursion of area damage makes them.
void Walk(int cellsX, int cellsY, int x, int y, int radius, TCountsByCell& counts) {
  ++counts[{x, y}];
  if (radius <= 0) return;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int nx = x + dx;
      const int ny = y + dy;
      if ((dx != 0 || dy != 0) && nx >= 0 && nx < cellsX && ny >= 0 && ny < cellsY)
        Walk(cellsX, cellsY, nx, ny, radius - 1, counts);
    }
}

TCountsByCell Counted(int cellsX, int cellsY, int x, int y, int32_t radius) {
  TCountsByCell counts;
  for (const TCellWalks& cell : CountWalks(cellsX, cellsY, x, y, radius))
    EXPECT_TRUE(counts.emplace(std::pair{cell.X, cell.Y}, cell.Walks).second) << "listed twice";
  return counts;
}

TEST(WalkCounts, EqualTheWalksOfTheRecursionOnSmallGrids) {
  const std::pair<int, int> grids[] = {{1, 1}, {2, 1}, {1, 3}, {3, 3}, {5, 4}, {7, 7}};
  for (const auto& [cellsX, cellsY] : grids)
    for (int radius = -1; radius <= 6; ++radius)
      for (const auto& [x, y] : {std::pair{0, 0}, std::pair{cellsX / 2, cellsY / 2},
                                 std::pair{cellsX - 1, cellsY / 3}}) {
        TCountsByCell walked;
        Walk(cellsX, cellsY, x, y, radius, walked);
        EXPECT_EQ(Counted(cellsX, cellsY, x, y, radius), walked)
            << cellsX << " x " << cellsY << " from " << x << ":" << y << ", radius " << radius;
      }
}

TEST(WalkCounts, NearestCellsComeFirstEachRingRowByRow) {
  std::vector<std::pair<int, int>> order;
  for (const TCellWalks& cell : CountWalks(4, 4, 1, 1, 2)) order.push_back({cell.X, cell.Y});
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{1, 1},
                                                     {0, 0},
                                                     {1, 0},
                                                     {2, 0},
                                                     {0, 1},
                                                     {2, 1},
                                                     {0, 2},
                                                     {1, 2},
                                                     {2, 2},
                                                     {3, 0},
                                                     {3, 1},
                                                     {3, 2},
                                                     {0, 3},
                                                     {1, 3},
                                                     {2, 3},
                                                     {3, 3}}));
}

// Counts that no longer change end the counting; on two cells they grow by one every second
// step for ever, and are added up at once.
TEST(WalkCounts, AnyRadiusEndsWithExactOrHeldCounts) {
  constexpr int32_t kFar = 2147483647;
  EXPECT_EQ(Counted(1, 1, 0, 0, kFar), (TCountsByCell{{{0, 0}, 1}}));
  EXPECT_EQ(Counted(2, 1, 0, 0, kFar), (TCountsByCell{{{0, 0}, 1073741824}, {{1, 0}, 1073741824}}));
  EXPECT_EQ(Counted(1, 2, 0, 1, 7), (TCountsByCell{{{0, 0}, 4}, {{0, 1}, 4}}));
  const TCountsByCell wide = Counted(64, 48, 5, 40, kFar);
  ASSERT_EQ(wide.size(), 64u * 48u);
  for (const auto& [cell, walks] : wide) EXPECT_EQ(walks, kEnoughHits);
  EXPECT_EQ(Counted(3, 1, 0, 0, 200).at({2, 0}), kEnoughHits);
}

}  // namespace
