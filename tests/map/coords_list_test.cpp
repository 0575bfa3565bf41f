#include "map/coords_list.h"

#include <gtest/gtest.h>

namespace {

TEST(CoordsListTest, CoordinatesAreFoundByBothAxesAndMayRepeat) {
  TCoordsList list;
  list.Add(3, 4);
  EXPECT_TRUE(list.Contains(3, 4));
  EXPECT_FALSE(list.Contains(4, 3));
  EXPECT_EQ(list.Coords(0), (TPoint{3, 4}));
  EXPECT_EQ(list.Strings(0), (WideString{3, 4}));
  list.Add(3, 4);
  EXPECT_EQ(list.Count(), 2);

  list.Add(65535, 7);
  EXPECT_EQ(list.Coords(2), (TPoint{65535, 7}));
  list.Clear();
  EXPECT_FALSE(list.Contains(3, 4));
}

TEST(CoordsListTest, UnitsThatLookLikeLettersStayDistinct) {
  TCoordsList list;
  list.Add(97, 98);                     // "ab"
  EXPECT_FALSE(list.Contains(65, 66));  // "AB"
  EXPECT_TRUE(list.Contains(97, 98));
}

}  // namespace
