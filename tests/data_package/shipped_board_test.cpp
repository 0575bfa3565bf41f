// The shipped "cell" shape closes the board: laid out as the main window lays out genesis, every
// pixel of the click map, margins included, answers a cell, so no click falls between cells.
#include <gtest/gtest.h>

#include <string>

#include "data_package/shipped_data.h"
#include "game/game_session.h"
#include "map/sw_map.h"

namespace {

TEST(ShippedBoardTest, EveryPixelOfTheClickMapBelongsToACell) {
  TSWGameSession session(ShippedDataPath(), u"maps\\genesis", tmTurn);
  const TSWMap& map = session.Map();
  int orphans = 0;
  std::string first;
  for (int y = 0; y < map.ClickMap().Height(); ++y)
    for (int x = 0; x < map.ClickMap().Width(); ++x) {
      if (map.CellAtPixel(x, y) != nullptr) continue;
      if (orphans++ == 0) first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
  EXPECT_EQ(orphans, 0) << "the first is " << first;
}

}  // namespace
