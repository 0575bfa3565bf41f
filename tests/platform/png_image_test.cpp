#include "platform/png_image.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/errors.h"
#include "platform/memory_stream.h"
#include "support/png_writer.h"

namespace {

std::unique_ptr<TPngImage> Decode(const std::string& bytes) {
  TMemoryStream stream(bytes);
  auto image = std::make_unique<TPngImage>();
  image->LoadFromStream(stream);
  return image;
}

std::unique_ptr<TPngImage> Decode(const TTestPng& png) { return Decode(EncodePng(png)); }

std::vector<TRgba> PixelsOf(const TPngImage& image) {
  std::vector<TRgba> pixels;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) pixels.push_back(image.Pixel(x, y));
  return pixels;
}

std::string DecodeFailure(const std::string& bytes) {
  try {
    Decode(bytes);
  } catch (const EPngError& e) {
    return e.what();
  }
  return "(no failure)";
}

uint8_t Grey(int value) { return static_cast<uint8_t>(value); }
TRgba Opaque(uint8_t r, uint8_t g, uint8_t b) { return {r, g, b, 255}; }
TRgba GreyPixel(uint8_t grey, uint8_t alpha = 255) { return {grey, grey, grey, alpha}; }
// The nearest 8-bit value of a 16-bit sample.
uint8_t Scaled(uint16_t sample) { return static_cast<uint8_t>(std::lround(sample / 257.0)); }

// Varied samples, so that a wrong row, column or channel order shows.
std::vector<uint16_t> Pattern(size_t count, int depth) {
  std::vector<uint16_t> samples(count);
  const uint32_t mask = (1u << depth) - 1;
  for (size_t i = 0; i < count; ++i)
    samples[i] = static_cast<uint16_t>((i * 2654435761u >> 7) & mask);
  return samples;
}

}  // namespace

TEST(PngImage, PaletteWithTransparencyGivesPerPixelAlpha) {
  TTestPng png;
  png.Width = 5;
  png.ColorType = 3;
  png.BitDepth = 2;
  png.Palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}, {100, 110, 120}};
  png.PaletteAlpha = {0, 128};  // the entries beyond stay opaque
  png.Samples = {0, 1, 2, 3, 1};
  auto image = Decode(png);
  EXPECT_EQ(image->ColorType(), 3);
  EXPECT_EQ(image->BitDepth(), 2);
  EXPECT_EQ(PixelsOf(*image), (std::vector<TRgba>{{10, 20, 30, 0},
                                                  {40, 50, 60, 128},
                                                  Opaque(70, 80, 90),
                                                  Opaque(100, 110, 120),
                                                  {40, 50, 60, 128}}));
}

TEST(PngImage, GreyBelowEightBitsIsScaledToTheFullRange) {
  for (int depth : {1, 2, 4}) {
    SCOPED_TRACE(depth);
    TTestPng png;
    png.Width = 11;  // rows end inside a byte
    png.Height = 2;
    png.ColorType = 0;
    png.BitDepth = depth;
    png.Samples = Pattern(22, depth);
    auto image = Decode(png);
    ASSERT_EQ(image->Width(), 11);
    std::vector<TRgba> expected;
    for (uint16_t s : png.Samples)
      expected.push_back(GreyPixel(Grey(s * 255 / ((1 << depth) - 1))));
    EXPECT_EQ(PixelsOf(*image), expected);
    EXPECT_EQ(image->BitDepth(), depth);
  }
}

TEST(PngImage, GreyTransparencyMatchesTheFullSixteenBitValue) {
  TTestPng png;
  png.Width = 4;
  png.ColorType = 0;
  png.BitDepth = 16;
  png.Samples = {0x0000, 0xFFFF, 0x1234, 0x1235};
  png.TransparentColor = {{0x1234, 0, 0}};
  auto image = Decode(png);
  // 0x1235 scales to the same 8-bit grey as the transparent 0x1234 but stays opaque.
  EXPECT_EQ(PixelsOf(*image),
            (std::vector<TRgba>{GreyPixel(0), GreyPixel(255), GreyPixel(Scaled(0x1234), 0),
                                GreyPixel(Scaled(0x1235))}));

  png.BitDepth = 8;
  png.Samples = {0, 7, 8, 255};
  png.TransparentColor = {{7, 0, 0}};
  EXPECT_EQ(PixelsOf(*Decode(png)),
            (std::vector<TRgba>{GreyPixel(0), GreyPixel(7, 0), GreyPixel(8), GreyPixel(255)}));
}

TEST(PngImage, SixteenBitSamplesAreRoundedToTheNearestEightBitValue) {
  TTestPng png;
  png.Width = 2;
  png.ColorType = 4;
  png.BitDepth = 16;
  png.Samples = {0x12FF, 0x8000, 0xFFFF, 0x0080};
  auto image = Decode(png);
  EXPECT_EQ(PixelsOf(*image), (std::vector<TRgba>{GreyPixel(Scaled(0x12FF), Scaled(0x8000)),
                                                  GreyPixel(255, Scaled(0x0080))}));
  EXPECT_EQ(Scaled(0x12FF), 19);  // truncation would give 18

  png.BitDepth = 8;
  png.Samples = {30, 200, 255, 0};
  EXPECT_EQ(PixelsOf(*Decode(png)), (std::vector<TRgba>{GreyPixel(30, 200), GreyPixel(255, 0)}));
}

TEST(PngImage, ColourImagesKeepTheirChannelsInOrder) {
  TTestPng rgb;
  rgb.Width = 3;
  rgb.ColorType = 2;
  rgb.BitDepth = 16;
  rgb.Samples = {0xFFFF, 0x0000, 0x8080, 0x0101, 0x0202, 0x0303, 0x0101, 0x0202, 0x0304};
  rgb.TransparentColor = {{0x0101, 0x0202, 0x0303}};
  auto image = Decode(rgb);
  EXPECT_EQ(image->ColorType(), 2);
  EXPECT_EQ(image->BitDepth(), 16);
  EXPECT_EQ(PixelsOf(*image),
            (std::vector<TRgba>{Opaque(255, 0, 128), {1, 2, 3, 0}, Opaque(1, 2, 3)}));

  rgb.BitDepth = 8;
  rgb.TransparentColor.reset();
  rgb.Samples = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  EXPECT_EQ(PixelsOf(*Decode(rgb)),
            (std::vector<TRgba>{Opaque(1, 2, 3), Opaque(4, 5, 6), Opaque(7, 8, 9)}));

  TTestPng rgba;
  rgba.Width = 2;
  rgba.ColorType = 6;
  rgba.Samples = {1, 2, 3, 4, 250, 251, 252, 0};
  EXPECT_EQ(PixelsOf(*Decode(rgba)), (std::vector<TRgba>{{1, 2, 3, 4}, {250, 251, 252, 0}}));
  rgba.BitDepth = 16;
  rgba.Samples = {0x0100, 0x0200, 0x0300, 0xFFFF, 0xFFFF, 0, 0x7F7F, 0x4000};
  EXPECT_EQ(PixelsOf(*Decode(rgba)),
            (std::vector<TRgba>{{1, 2, 3, 255}, {255, 0, 127, Scaled(0x4000)}}));
}

TEST(PngImage, InterlacedImagesDecodeToTheSamePixels) {
  for (auto [colorType, depth] : {std::pair{2, 8}, {0, 1}, {6, 16}, {3, 4}}) {
    SCOPED_TRACE(colorType * 100 + depth);
    TTestPng png;
    png.Width = 13;  // not a multiple of the 8 x 8 pass grid
    png.Height = 11;
    png.ColorType = colorType;
    png.BitDepth = depth;
    const size_t channels = colorType == 2 ? 3 : colorType == 6 ? 4 : 1;
    png.Samples = Pattern(13 * 11 * channels, depth);
    if (colorType == 3)
      for (int i = 0; i < 16; ++i)
        png.Palette.push_back({uint8_t(i), uint8_t(i * 9), uint8_t(255 - i)});
    auto plain = Decode(png);
    png.Interlaced = true;
    auto interlaced = Decode(png);
    EXPECT_EQ(PixelsOf(*interlaced), PixelsOf(*plain));
    EXPECT_EQ(interlaced->Height(), 11);
  }
}

TEST(PngImage, DecodesFromTheStreamsPosition) {
  TTestPng png;
  png.Samples = {9, 8, 7, 6};
  TMemoryStream stream("prefix" + EncodePng(png));
  stream.SetPosition(6);
  TPngImage image;
  image.LoadFromStream(stream);
  EXPECT_EQ(image.Pixel(0, 0), (TRgba{9, 8, 7, 6}));
}

TEST(PngImage, BrokenDataFailsWithTheDecodersMessage) {
  TTestPng png;
  png.Width = 40;
  png.Height = 40;
  png.Samples = Pattern(40 * 40 * 4, 8);
  const std::string good = EncodePng(png);

  EXPECT_EQ(DecodeFailure("GIF89a, certainly not a PNG"), "Not a PNG file");
  EXPECT_EQ(DecodeFailure("\x89PNG"), "Read Error: the file ended early, after 4 bytes");
  EXPECT_EQ(
      DecodeFailure(good.substr(0, good.size() / 2)),
      "Read Error: the file ended early, after " + std::to_string(good.size() / 2) + " bytes");

  std::string badHeaderCrc = good;
  badHeaderCrc[29] ^= 0x01;  // the IHDR CRC follows its 13 data bytes
  EXPECT_EQ(DecodeFailure(badHeaderCrc), "IHDR: CRC error");

  std::string badDataCrc = good;
  badDataCrc[good.size() - 13] ^= 0x01;  // the last IDAT's CRC ends where the 12-byte IEND begins
  EXPECT_EQ(DecodeFailure(badDataCrc), "IDAT: CRC error");

  std::string badData = good;
  badData[good.size() / 2] ^= 0x55;  // zlib notices before the CRC is reached
  EXPECT_EQ(DecodeFailure(badData).rfind("IDAT: ", 0), 0u) << DecodeFailure(badData);
}

TEST(PngImage, OversizedImagesAreRefusedAtTheHeader) {
  // Only a header: a decoder that went on would fail on the missing data, not the header.
  const std::string both = DecodeFailure(EncodePngHeader(20000, 20000));
  EXPECT_EQ(both,
            "Invalid IHDR data (Image width exceeds user limit in IHDR; "
            "Image height exceeds user limit in IHDR)");
  EXPECT_NE(DecodeFailure(EncodePngHeader(TPngImage::kMaxSide + 1, 1)).find("width exceeds"),
            std::string::npos);
  EXPECT_NE(DecodeFailure(EncodePngHeader(1, TPngImage::kMaxSide + 1)).find("height exceeds"),
            std::string::npos);

  TTestPng widest;
  widest.Width = TPngImage::kMaxSide;
  widest.ColorType = 0;
  widest.Samples.assign(TPngImage::kMaxSide, 200);
  auto image = Decode(widest);
  EXPECT_EQ(image->Width(), TPngImage::kMaxSide);
  EXPECT_EQ(image->Pixel(TPngImage::kMaxSide - 1, 0), GreyPixel(200));
}

// A few bytes cannot inflate to a gigabyte of pixels: such a header is refused before the pixels'
// memory is taken, while an image that compresses as well as deflate allows still decodes.
TEST(PngImage, PixelsTheRestOfTheFileCannotHoldAreRefusedBeforeAllocating) {
  const std::string idatStart = std::string("\0\0\0\x10IDAT", 8) + std::string(20, '\0');
  const std::string huge = EncodePngHeader(TPngImage::kMaxSide, TPngImage::kMaxSide) + idatStart;
  EXPECT_EQ(huge.size(), 61u);
  EXPECT_EQ(DecodeFailure(huge),
            "Not enough image data: 16384 x 16384 pixels cannot come from the 20 bytes left");

  TTestPng flat;
  flat.Width = flat.Height = 1024;
  flat.Samples.assign(1024 * 1024 * 4, 0);
  const std::string compressed = EncodePng(flat);
  ASSERT_LT(compressed.size() * 500, flat.Samples.size());
  EXPECT_EQ(Decode(flat)->Pixel(1023, 1023), (TRgba{0, 0, 0, 0}));
}

namespace {

// Serves a few bytes, then fails the way a broken file would.
class TBrokenReadStream : public TMemoryStream {
 public:
  using TMemoryStream::TMemoryStream;
  size_t Read(void* buffer, size_t count) override {
    if (Position() >= 20) Raise<EOSError>(u"Stream read error");
    return TMemoryStream::Read(buffer, count);
  }
};

}  // namespace

TEST(PngImage, AFailedDecodeKeepsTheImageAndPassesStreamErrorsOn) {
  TTestPng png;
  png.Width = 2;
  png.Samples = {1, 2, 3, 4, 5, 6, 7, 8};
  TPngImage image;
  TMemoryStream good(EncodePng(png));
  image.LoadFromStream(good);

  TBrokenReadStream failing(EncodePng(png));
  EXPECT_THROW(image.LoadFromStream(failing), EOSError);
  TMemoryStream truncated(EncodePng(png).substr(0, 50));
  EXPECT_THROW(image.LoadFromStream(truncated), EPngError);

  EXPECT_EQ(PixelsOf(image), (std::vector<TRgba>{{1, 2, 3, 4}, {5, 6, 7, 8}}));
  EXPECT_EQ(image.ColorType(), 6);
  EXPECT_EQ(image.BitDepth(), 8);
}

TEST(PngImage, BlankImagesAreTransparentAndAssignCopiesIndependently) {
  auto blank = TPngImage::Blank(3, 2);
  EXPECT_EQ(blank->ColorType(), 6);
  EXPECT_EQ(blank->BitDepth(), 16);
  EXPECT_FALSE(blank->Empty());
  EXPECT_EQ(PixelsOf(*blank), std::vector<TRgba>(6, TRgba{0, 0, 0, 0}));
  EXPECT_GE(blank->MemorySize(), sizeof(TPngImage) + 24);
  EXPECT_TRUE(TPngImage::Blank(0, 5)->Empty());

  TPngImage copy;
  EXPECT_TRUE(copy.Empty());
  copy.Assign(*blank);
  blank->SetPixel(2, 1, {1, 2, 3, 4});
  EXPECT_EQ(blank->Row(1)[8], 1);
  EXPECT_EQ(copy.Pixel(2, 1), (TRgba{0, 0, 0, 0}));
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.BitDepth(), 16);

  try {
    TPngImage::Blank(TPngImage::kMaxSide + 1, 1);
    FAIL() << "an oversized blank image must be refused";
  } catch (const EPngError& e) {
    EXPECT_EQ(e.Message(), u"Invalid image size 16385 x 1");
  }
  EXPECT_THROW(TPngImage::Blank(1, -1), EPngError);
}
