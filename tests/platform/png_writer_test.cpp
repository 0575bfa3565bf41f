#include "platform/png_writer.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "platform/memory_stream.h"
#include "platform/png_image.h"
#include "platform/raster_canvas.h"
#include "support/failing_stream.h"

TEST(PngWriter, ARenderedCanvasRoundTripsThroughTheDecoder) {
  auto picture = TPngImage::Blank(7, 5, TPngImage::kColorRgba, 8);
  TRasterCanvas canvas(*picture);
  canvas.FillRect({1, 1, 6, 4}, RgbColor(200, 100, 50));
  auto ghost = TPngImage::Blank(2, 2, TPngImage::kColorRgba, 8);
  ghost->SetPixel(0, 0, {10, 20, 30, 90});
  ghost->SetPixel(1, 1, {40, 50, 60, 200});
  canvas.DrawImage(5, 3, *ghost);
  picture->SetPixel(0, 4, {99, 0, 0, 0});  // a colour under full transparency is kept too

  TMemoryStream stream;
  SavePng(*picture, stream);
  stream.SetPosition(0);
  TPngImage decoded;
  decoded.LoadFromStream(stream);

  EXPECT_EQ(decoded.ColorType(), TPngImage::kColorRgba);
  EXPECT_EQ(decoded.BitDepth(), 8);
  ASSERT_EQ(decoded.Width(), 7);
  ASSERT_EQ(decoded.Height(), 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x)
      EXPECT_EQ(decoded.Pixel(x, y), picture->Pixel(x, y)) << x << ", " << y;
  EXPECT_EQ(decoded.Pixel(0, 4), (TRgba{99, 0, 0, 0}));
}

TEST(PngWriter, AnEmptyImageFailsWithLibpngsMessage) {
  TPngImage empty;
  TMemoryStream stream;
  try {
    SavePng(empty, stream);
    FAIL() << "an empty image was written";
  } catch (const EPngError& error) {
    EXPECT_EQ(error.Message(),
              u"Invalid IHDR data (Image width is zero in IHDR; Image height is zero in IHDR)");
  }
}

TEST(PngWriter, AFailingStreamsOwnErrorReachesTheCaller) {
  auto picture = TPngImage::Blank(64, 64, TPngImage::kColorRgba, 8);
  TFailingStream stream(40);  // the signature and the header fit, the pixels do not
  EXPECT_THROW(SavePng(*picture, stream), EOSError);
}
