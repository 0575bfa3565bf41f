#include "platform/bitmap.h"

#include <gtest/gtest.h>

#include <string>

#include "base/errors.h"
#include "platform/memory_stream.h"
#include "support/failing_stream.h"

TEST(Bitmap32, EveryTwentyFourBitValueAndTheTopByteReadBackExactly) {
  TBitmap32 bitmap;
  bitmap.SetSize(4096, 4096);
  for (int y = 0; y < 4096; ++y)
    for (int x = 0; x < 4096; ++x) bitmap.SetPixel(x, y, static_cast<TColor>(y * 4096 + x));
  int mismatches = 0;
  for (int y = 0; y < 4096; ++y)
    for (int x = 0; x < 4096; ++x)
      mismatches += bitmap.Pixel(x, y) != static_cast<TColor>(y * 4096 + x);
  EXPECT_EQ(mismatches, 0);

  // Stretched debug colours wrap into the top byte; they must survive as well.
  bitmap.SetPixel(7, 9, 0xFE123456);
  EXPECT_EQ(bitmap.Pixel(7, 9), 0xFE123456u);
}

TEST(Bitmap32, PointsOutsideReadAsAllBitsSetAndIgnoreWrites) {
  TBitmap32 bitmap;
  EXPECT_EQ(bitmap.Pixel(0, 0), TBitmap32::kOutside);  // no pixels yet

  bitmap.SetSize(3, 2);
  EXPECT_EQ(bitmap.Pixel(0, 0), 0u);
  EXPECT_EQ(bitmap.Pixel(2, 1), 0u);
  for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {3, 2}}) {
    bitmap.SetPixel(x, y, 5);
    EXPECT_EQ(bitmap.Pixel(x, y), 0xFFFFFFFFu) << x << ", " << y;
  }
  // A write just outside a row must not wrap into the next one.
  bitmap.SetPixel(3, 0, 5);
  EXPECT_EQ(bitmap.Pixel(0, 1), 0u);
}

TEST(Bitmap32, SetSizeClearsAndRefusesImpossibleSizes) {
  TBitmap32 bitmap;
  bitmap.SetSize(2, 2);
  bitmap.FillRect({0, 0, 2, 2}, 77);
  bitmap.SetSize(2, 2);
  EXPECT_EQ(bitmap.Pixel(1, 1), 0u);

  EXPECT_THROW(bitmap.SetSize(-1, 4), EInvalidArgument);
  try {
    bitmap.SetSize(65536, 65536);
    FAIL() << "a 16 GiB bitmap was accepted";
  } catch (const EInvalidArgument& error) {
    EXPECT_EQ(error.Message(), u"Invalid bitmap size 65536 x 65536");
  }
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Height(), 2);

  bitmap.SetSize(0, 0);
  EXPECT_EQ(bitmap.Pixel(0, 0), TBitmap32::kOutside);
}

TEST(Bitmap32, FillRectCoversOnlyThePartInsideTheBitmap) {
  TBitmap32 bitmap;
  bitmap.SetSize(4, 3);
  bitmap.FillRect({-5, 1, 2, 10}, 9);  // reaches past the left and bottom edges
  bitmap.FillRect({3, -4, 40, 1}, 8);  // past the top and right edges
  bitmap.FillRect({10, 0, 20, 3}, 7);  // wholly outside
  bitmap.FillRect({2, 2, 1, 3}, 6);    // right before left: nothing
  const TColor expected[3][4] = {{0, 0, 0, 8}, {9, 9, 0, 0}, {9, 9, 0, 0}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(bitmap.Pixel(x, y), expected[y][x]) << x << ", " << y;
}

TEST(Bitmap32, SavesAWindowsBmpBottomUpWithPaddedRows) {
  TBitmap32 bitmap;
  bitmap.SetSize(3, 2);
  bitmap.SetPixel(0, 0, RgbColor(0x11, 0x12, 0x13));
  bitmap.SetPixel(1, 0, RgbColor(0x21, 0x22, 0x23));
  bitmap.SetPixel(2, 0, RgbColor(0x31, 0x32, 0x33));
  bitmap.SetPixel(0, 1, RgbColor(0x41, 0x42, 0x43));
  bitmap.SetPixel(1, 1, 0xFF000001);  // the top byte is not stored
  bitmap.SetPixel(2, 1, RgbColor(0x61, 0x62, 0x63));
  TMemoryStream stream;
  stream.Write("xy", 2);  // written at the stream's position, after what is there
  bitmap.SaveToStream(stream);

  using namespace std::string_literals;
  // One field of the file per literal.
  // clang-format off
  const std::string expected =
      "xy"
      // file header: "BM", file size 78, reserved, pixel data at 54
      "BM" "\x4E\0\0\0" "\0\0\0\0" "\x36\0\0\0"
      // info header: size 40, 3 x 2, 1 plane, 24 bits, uncompressed, 24 bytes of pixels
      "\x28\0\0\0" "\x03\0\0\0" "\x02\0\0\0" "\x01\0" "\x18\0" "\0\0\0\0" "\x18\0\0\0"
      "\0\0\0\0" "\0\0\0\0" "\0\0\0\0" "\0\0\0\0"
      // bottom row first, blue-green-red, padded from 9 to 12 bytes
      "\x43\x42\x41" "\x00\x00\x01" "\x63\x62\x61" "\0\0\0"
      "\x13\x12\x11" "\x23\x22\x21" "\x33\x32\x31" "\0\0\0"s;
  // clang-format on
  ASSERT_EQ(expected.size(), 2u + 78u);
  EXPECT_EQ(stream.Bytes(), expected);
}

TEST(Bitmap32, AFailingStreamsErrorReachesTheCaller) {
  TBitmap32 bitmap;
  bitmap.SetSize(8, 8);
  TFailingStream stream(100);
  EXPECT_THROW(bitmap.SaveToStream(stream), EOSError);
}
