#include "platform/raster_canvas.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "platform/png_image.h"

namespace {

std::unique_ptr<TPngImage> Filled(int width, int height, TRgba color) {
  auto image = TPngImage::Blank(width, height, TPngImage::kColorRgba, 8);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image->SetPixel(x, y, color);
  return image;
}

constexpr TRgba kBlue{0, 0, 255, 255};
constexpr TRgba kRed{255, 0, 0, 255};

}  // namespace

TEST(RasterCanvas, BlendsImagesSourceOverByTheirStraightAlpha) {
  auto target = Filled(4, 2, kBlue);
  target->SetPixel(0, 1, {0, 0, 0, 0});      // transparent
  target->SetPixel(1, 1, {0, 0, 255, 128});  // half-transparent blue
  target->SetPixel(2, 1, {10, 20, 30, 40});
  auto source = TPngImage::Blank(4, 2, TPngImage::kColorRgba, 8);
  source->SetPixel(0, 0, {255, 0, 0, 128});
  source->SetPixel(1, 0, {0, 255, 0, 0});        // invisible: the target stays
  source->SetPixel(2, 0, {255, 255, 255, 255});  // opaque: replaces
  source->SetPixel(3, 0, {255, 0, 0, 1});
  source->SetPixel(0, 1, {255, 0, 0, 128});
  source->SetPixel(1, 1, {255, 0, 0, 128});
  source->SetPixel(2, 1, {0, 0, 0, 0});
  TRasterCanvas canvas(*target);
  canvas.DrawImage(0, 0, *source);

  EXPECT_EQ(target->Pixel(0, 0), (TRgba{128, 0, 127, 255}));
  EXPECT_EQ(target->Pixel(1, 0), kBlue);
  EXPECT_EQ(target->Pixel(2, 0), (TRgba{255, 255, 255, 255}));
  EXPECT_EQ(target->Pixel(3, 0), (TRgba{1, 0, 254, 255}));
  EXPECT_EQ(target->Pixel(0, 1), (TRgba{255, 0, 0, 128}));  // over nothing: the source itself
  EXPECT_EQ(target->Pixel(1, 1), (TRgba{170, 0, 85, 192}));
  EXPECT_EQ(target->Pixel(2, 1), (TRgba{10, 20, 30, 40}));
}

TEST(RasterCanvas, DrawingStaysInsideTheTargetAndTheClip) {
  auto target = Filled(6, 6, kBlue);
  auto red = Filled(4, 4, kRed);
  TRasterCanvas canvas(*target);
  EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 6, 6}));
  canvas.DrawImage(-2, 4, *red);  // hangs over the left and bottom edges
  EXPECT_EQ(target->Pixel(1, 5), kRed);
  EXPECT_EQ(target->Pixel(2, 5), kBlue);
  EXPECT_EQ(target->Pixel(1, 3), kBlue);

  {
    TClipGuard guard(canvas, {3, 0, 10, 2});
    EXPECT_TRUE(guard.Active());
    EXPECT_EQ(canvas.ClipRect(), (TRect{3, 0, 6, 2}));
    canvas.FillRect({0, 0, 6, 6}, RgbColor(1, 2, 3));
    {
      TClipGuard inner(canvas, {0, 1, 5, 9});  // narrows the outer clip further
      EXPECT_EQ(canvas.ClipRect(), (TRect{3, 1, 5, 2}));
      canvas.DrawImage(2, 0, *red);
    }
    EXPECT_EQ(canvas.ClipRect(), (TRect{3, 0, 6, 2}));
  }
  EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 6, 6}));

  const TRgba filled{1, 2, 3, 255};
  EXPECT_EQ(target->Pixel(3, 0), filled);  // above the inner clip
  EXPECT_EQ(target->Pixel(5, 1), filled);  // right of the inner clip
  EXPECT_EQ(target->Pixel(3, 1), kRed);
  EXPECT_EQ(target->Pixel(4, 1), kRed);
  EXPECT_EQ(target->Pixel(2, 0), kBlue);  // left of the outer clip: untouched
  EXPECT_EQ(target->Pixel(3, 2), kBlue);  // below it: untouched

  canvas.FillRect({0, 3, 1, 4}, RgbColor(9, 8, 7));  // the restored clip lets drawing reach again
  EXPECT_EQ(target->Pixel(0, 3), (TRgba{9, 8, 7, 255}));
}

TEST(RasterCanvas, APopWithoutAPushIsRefused) {
  auto target = Filled(1, 1, kBlue);
  TRasterCanvas canvas(*target);
  try {
    canvas.PopClip();
    FAIL() << "an unmatched pop was accepted";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), u"PopClip without a matching PushClipRect");
  }
}

TEST(RasterCanvas, WritesTextInTheFixedFontWithinTheClip) {
  auto target = Filled(20, 10, kBlue);
  TRasterCanvas canvas(*target);
  EXPECT_EQ(canvas.TextWidth(u"I\u00E9x"), 18);
  EXPECT_EQ(canvas.TextHeight(u""), 8);
  {
    TClipGuard guard(canvas, {0, 0, 8, 10});  // cuts the second character after one column
    canvas.DrawText(1, 2, u"I\u00E9", RgbColor(255, 255, 0));
  }
  const TRgba yellow{255, 255, 0, 255};
  // "I": a bar of three pixels on top, then the middle column.
  EXPECT_EQ(target->Pixel(1, 2), kBlue);
  EXPECT_EQ(target->Pixel(2, 2), yellow);
  EXPECT_EQ(target->Pixel(4, 2), yellow);
  EXPECT_EQ(target->Pixel(3, 5), yellow);
  EXPECT_EQ(target->Pixel(2, 5), kBlue);
  // A character without a glyph shows a box, clipped after its first column.
  EXPECT_EQ(target->Pixel(7, 2), yellow);
  EXPECT_EQ(target->Pixel(7, 8), yellow);
  EXPECT_EQ(target->Pixel(8, 2), kBlue);
  EXPECT_EQ(target->Pixel(7, 9), kBlue);
}
