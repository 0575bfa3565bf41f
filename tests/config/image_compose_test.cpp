#include "config/image_compose.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "platform/png_image.h"

namespace {

TEST(ImageComposeTest, OverlayMixesColoursByCoverageAndAddsAlphaCapped) {
  std::unique_ptr<TPngImage> target = NewAlphaImage(4, 3);
  EXPECT_EQ(target->ColorType(), 6);
  EXPECT_EQ(target->BitDepth(), 16);
  target->SetPixel(3, 2, {0, 0, 255, 255});
  std::unique_ptr<TPngImage> source = NewAlphaImage(2, 2);
  source->SetPixel(0, 0, {200, 100, 50, 128});
  source->SetPixel(1, 1, {255, 0, 0, 128});

  OverlayImage(*source, *target, 2, 1);
  EXPECT_EQ(target->Pixel(2, 1), (TRgba{200, 100, 50, 128}));  // onto transparent: colour kept
  EXPECT_EQ(target->Pixel(3, 2), (TRgba{128, 0, 127, 255}));   // onto opaque: blended
  EXPECT_EQ(target->Pixel(3, 1), (TRgba{0, 0, 0, 0}));         // transparent source pixel

  OverlayImage(*source, *target, 2, 1);
  EXPECT_EQ(target->Pixel(2, 1), (TRgba{200, 100, 50, 255}));
  EXPECT_EQ(target->Pixel(0, 0), (TRgba{0, 0, 0, 0}));
}

TEST(ImageComposeTest, SourceMustLieInsideTheTarget) {
  std::unique_ptr<TPngImage> target = NewAlphaImage(4, 3);
  std::unique_ptr<TPngImage> source = NewAlphaImage(2, 2);
  OverlayImage(*source, *target, 2, 1);
  try {
    OverlayImage(*source, *target, 3, 1);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidArgument& error) {
    EXPECT_EQ(error.Message(),
              u"OverlayImage: a 2x2 image at (3, 1) does not fit into a 4x3 image.");
  }
  EXPECT_THROW(OverlayImage(*source, *target, -1, 0), EInvalidArgument);
  EXPECT_THROW(OverlayImage(*source, *target, 0, 2), EInvalidArgument);
}

}  // namespace
