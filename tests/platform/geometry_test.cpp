#include "platform/geometry.h"

#include <gtest/gtest.h>

TEST(Geometry, RectanglesIncludeLeftAndTopOnly) {
  const TRect rect = Bounds(2, 3, 4, 5);
  EXPECT_EQ(rect, (TRect{2, 3, 6, 8}));
  EXPECT_TRUE(rect.Contains(2, 3));
  EXPECT_TRUE(rect.Contains(TPoint{5, 7}));
  EXPECT_FALSE(rect.Contains(6, 7));
  EXPECT_FALSE(rect.Contains(5, 8));

  // Touching edges share no pixel.
  EXPECT_FALSE(rect.Intersects({6, 3, 9, 8}));
  EXPECT_TRUE(rect.Intersects({5, 7, 9, 9}));
  EXPECT_EQ(TRect::Intersection(rect, {5, 0, 9, 4}), (TRect{5, 3, 6, 4}));
  EXPECT_EQ(TRect::Intersection(rect, {6, 3, 9, 8}), TRect{});
  EXPECT_FALSE(TRect{}.Intersects(TRect{}));
}

TEST(Geometry, ColoursKeepRedInTheLowestByte) {
  EXPECT_EQ(RgbColor(0x11, 0x22, 0x33), 0x00332211u);
  EXPECT_EQ(RedOf(0x00332211), 0x11);
  EXPECT_EQ(GreenOf(0x00332211), 0x22);
  EXPECT_EQ(BlueOf(0x00332211), 0x33);
}
