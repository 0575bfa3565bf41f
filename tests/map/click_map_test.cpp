#include "map/click_map.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "platform/bitmap.h"
#include "platform/png_image.h"

namespace {

// A cell image whose alpha is set where `opaque` says.
template <class Opaque>
std::unique_ptr<TPngImage> Shape(int width, int height, Opaque opaque) {
  std::unique_ptr<TPngImage> image = TPngImage::Blank(width, height, TPngImage::kColorRgba, 8);
  for (int row = 0; row < height; ++row)
    for (int col = 0; col < width; ++col) image->Row(row)[col * 4 + 3] = opaque(col, row) ? 255 : 0;
  return image;
}

// The slanted cell of the shipped art: 114 x 19, each row 42 / 19 pixels further left.
std::unique_ptr<TPngImage> SlantedShape() {
  return Shape(114, 19, [](int col, int row) {
    const int left = (18 - row) * 42 / 19;
    return col >= left && col < left + 78;
  });
}

// Scattered pixels with holes, taller than a row so that the shapes of three rows overlap.
std::unique_ptr<TPngImage> ScatteredShape() {
  std::mt19937 random(5);
  return Shape(60, 45, [&random](int, int) { return random() % 3 != 0; });
}

// Every pixel the map answers equals the pixel its painted picture holds, and a point outside
// answers kOutside.
void ExpectEveryPixelAsPainted(const TClickMap& map) {
  TBitmap32 painted;
  map.PaintTo(painted);
  ASSERT_EQ(painted.Width(), map.Width());
  ASSERT_EQ(painted.Height(), map.Height());
  int differences = 0;
  for (int y = -1; y <= map.Height(); ++y)
    for (int x = -1; x <= map.Width(); ++x)
      if (map.Pixel(x, y) != painted.Pixel(x, y) && ++differences <= 5)
        ADD_FAILURE() << "pixel " << x << ", " << y << ": " << map.Pixel(x, y) << " instead of "
                      << painted.Pixel(x, y);
  EXPECT_EQ(differences, 0);
}

struct TBoardCase {
  TSWMapGeometry Geometry;
  int CellsX;
  int CellsY;
};

}  // namespace

TEST(ClickMapTest, AnswersForEveryPixelWhatThePaintedPictureHolds) {
  const TSWMapGeometry window{42, 19, 36, 0, 25, 25};
  const TBoardCase boards[] = {
      {window, 1, 1},
      {window, 10, 10},
      {window, 17, 4},
      {window, 3, 23},
      {{42, 19, 36, 6, 25, 25}, 7, 6},   // rows apart
      {{30, 15, -40, 0, 10, 12}, 6, 5},  // columns closer than their width
      {{20, 10, 0, -12, 0, 30}, 5, 7},   // rows climbing, no side margins
      {{20, 10, 0, -10, 0, 30}, 3, 4},   // every row on the same line
      {{42, 19, 36, 0, 3, 40}, 4, 2},    // margins taller than the board's rows
  };
  const std::unique_ptr<TPngImage> shapes[] = {SlantedShape(), ScatteredShape(), nullptr};
  for (const TBoardCase& board : boards)
    for (const auto& shape : shapes)
      for (const bool debugColors : {false, true}) {
        SCOPED_TRACE(testing::Message()
                     << board.CellsX << " x " << board.CellsY << ", cell "
                     << board.Geometry.CellWidth << ", shape " << (shape ? shape->Width() : 0)
                     << ", debug " << debugColors);
        TClickMap map;
        map.Layout({board.Geometry, board.CellsX, board.CellsY, debugColors}, shape.get());
        ExpectEveryPixelAsPainted(map);
      }
}

TEST(ClickMapTest, KeepsOnlyTheShapesMaskHoweverLargeTheBoard) {
  const std::unique_ptr<TPngImage> shape = SlantedShape();
  TClickMap map;
  map.Layout({{42, 19, 36, 0, 25, 25}, 256, 256, false}, shape.get());
  EXPECT_EQ(map.Width(), 30764);
  EXPECT_EQ(map.Height(), 4914);
  EXPECT_LE(map.HeapSize(), size_t{114 * 19});
  // The last cell's shape, and the bottom margin strip under the first column.
  const TPoint last = CellPositionOn({42, 19, 36, 0, 25, 25}, 256, 255, 255);
  EXPECT_EQ(map.Pixel(last.X + 60, last.Y + 9), ClickColorOf(255, 255, false));
  EXPECT_EQ(map.Pixel(5, map.Height() - 1), ClickColorOf(0, 255, false));
}
