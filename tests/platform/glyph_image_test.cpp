// The cooldown button's image arithmetic: greying, combining, the recharge clock,
// the glyph composition and the layout table.
#include "platform/glyph_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/button_glyph.h"
#include "platform/button_layout.h"

namespace {

constexpr TRgba kColour{200, 40, 10, 255};
constexpr TRgba kGrey{85, 85, 85, 255};  // GrayColor(kColour): 60 + 23.6 + 1.1 = 84.7

std::unique_ptr<TPngImage> Filled(int width, int height, TRgba colour = kColour) {
  auto image = TPngImage::Blank(width, height, TPngImage::kColorRgba, 8);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image->SetPixel(x, y, colour);
  return image;
}

// One text row per image row: '#' for a greyed kColour pixel, '.' for a kept one.
std::vector<std::string> Picture(const TPngImage& image) {
  std::vector<std::string> rows;
  for (int y = 0; y < image.Height(); ++y) {
    std::string row;
    for (int x = 0; x < image.Width(); ++x) {
      const TRgba pixel = image.Pixel(x, y);
      row += pixel == kGrey ? '#' : pixel == kColour ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> Clock(int side, int percent, bool clockwise, bool inverse) {
  auto image = Filled(side, side);
  ClockGrayImage(*image, percent, clockwise, inverse);
  return Picture(*image);
}

char At(const std::vector<std::string>& picture, int x, int y) { return picture[y][x]; }

}  // namespace

TEST(GlyphImage, GrayColorRoundsExtendedPrecisionTiesToEven) {
  EXPECT_EQ(GrayColor({255, 0, 0, 255}), (TRgba{76, 76, 76, 255}));     // 76.5 to the even 76
  EXPECT_EQ(GrayColor({255, 255, 255, 7}), (TRgba{255, 255, 255, 7}));  // alpha untouched
  EXPECT_EQ(GrayColor(kColour), kGrey);
  // Where double precision would round the other way: 0.59L·50 is just below 29.5, and
  // 0.59L·45 + 0.11L·45 is exactly 31.5 (a tie, to the even 32).
  EXPECT_EQ(GrayColor({0, 50, 0, 255}).R, 29);
  EXPECT_EQ(GrayColor({0, 45, 45, 255}).R, 32);

  auto image = Filled(2, 1);
  image->SetPixel(1, 0, {255, 0, 0, 9});
  GrayImage(*image);
  EXPECT_EQ(image->Pixel(0, 0), kGrey);
  EXPECT_EQ(image->Pixel(1, 0), (TRgba{76, 76, 76, 9}));
}

TEST(GlyphImage, CombineBlendsBySourceAlphaAddsAlphasAndCutsOff) {
  TPngImage blank;
  MakeBlankImage(blank, 3, 2);
  EXPECT_EQ(blank.Width(), 3);
  EXPECT_EQ(blank.Height(), 2);
  EXPECT_EQ(blank.ColorType(), TPngImage::kColorRgba);
  EXPECT_EQ(blank.BitDepth(), 16);
  EXPECT_EQ(blank.Pixel(2, 1), (TRgba{0, 0, 0, 0}));

  auto target = TPngImage::Blank(3, 1);
  target->SetPixel(0, 0, {0, 0, 255, 255});
  target->SetPixel(1, 0, {0, 0, 255, 100});
  target->SetPixel(2, 0, {10, 20, 30, 0});  // transparent, but its colour still takes part
  auto source = TPngImage::Blank(2, 1);
  source->SetPixel(0, 0, {255, 0, 0, 128});
  source->SetPixel(1, 0, {255, 255, 255, 200});

  CombineImage(*source, *target, {1, 0});
  EXPECT_EQ(target->Pixel(1, 0), (TRgba{128, 0, 127, 228}));  // alpha 100 + 128
  EXPECT_EQ(target->Pixel(2, 0), (TRgba{202, 204, 206, 200}));
  CombineImage(*source, *target, {-1, 0});  // only the source's right pixel lands
  EXPECT_EQ(target->Pixel(0, 0), (TRgba{200, 200, 255, 255}));  // alpha capped at 255
  CombineImage(*source, *target, {2, 0});  // only the source's left pixel lands
  EXPECT_EQ(target->Pixel(2, 0), (TRgba{229, 102, 103, 255}));
  CombineImage(*source, *target, {0, 1});  // wholly outside
  EXPECT_EQ(target->Pixel(1, 0), (TRgba{128, 0, 127, 228}));
}

// Pixel for pixel on a small image: the pie from 12 to 3 o'clock. The radii lie on column 6
// and row 6 (the centre pixel (W / 2, H / 2)); the fill reached the sector's inside.
TEST(ClockGray, QuarterPixelForPixelAndInverseIsTheComplement) {
  const std::vector<std::string> quarter{
      "......##....",  //
      "......####..",  //
      "......#####.",  //
      "......#####.",  //
      "......######",  //
      "......######",  //
      "......######",  //
      "............",  //
      "............",  //
      "............",  //
      "............",  //
      "............",  //
  };
  EXPECT_EQ(Clock(12, 25, true, false), quarter);

  std::vector<std::string> complement = quarter;
  for (std::string& row : complement)
    for (char& pixel : row) pixel = pixel == '#' ? '.' : '#';
  EXPECT_EQ(Clock(12, 25, true, true), complement);
}

TEST(ClockGray, QuadrantsFollowDirectionAndInverseOn32x32) {
  struct TCase {
    int Percent;
    bool ClockWise;
    bool Inverse;
    // Greyed ('#') or kept ('.') at the middle of the top-left, top-right, bottom-left and
    // bottom-right quarters, then at the four corners.
    const char* Expected;
  };
  const TCase cases[] = {
      {25, true, true, "#.## ####"},    // keeps the quarter from 12 to 3 o'clock
      {25, true, false, ".#.. ...."},   // greys only that quarter
      {25, false, true, "#... ####"},   // greys the quarter swept back to 9 o'clock, corners
      {25, false, false, ".### ...."},  // greys the other three quarters
      {50, true, true, "#.#. ####"},    // keeps the right half
      {50, false, true, "#.#. ####"},   // the same pie both ways
      {75, true, true, "#... ####"},    // keeps three quarters, 12 round to 9 o'clock
      {75, false, true, "#.## ####"},   // keeps 12 to 3 o'clock, the quarter p' = -75 reaches
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.Percent << (c.ClockWise ? " clockwise" : " counter")
                                      << (c.Inverse ? " inverse" : ""));
    const auto picture = Clock(32, c.Percent, c.ClockWise, c.Inverse);
    const std::string got{
        At(picture, 8, 8), At(picture, 23, 8), At(picture, 8, 23), At(picture, 23, 23), ' ',
        At(picture, 0, 0), At(picture, 31, 0), At(picture, 0, 31), At(picture, 31, 31)};
    EXPECT_EQ(got, c.Expected);
  }
  // 50 draws the same pie both ways: the right half, from 12 round to 6 o'clock.
  EXPECT_EQ(Clock(32, 50, true, true), Clock(32, 50, false, true));
}

TEST(ClockGray, ZeroAndHundredGiveTheWholeEllipseInBothDirections) {
  const auto whole = Clock(32, 0, true, true);
  EXPECT_EQ(Clock(32, 100, true, true), whole);
  EXPECT_EQ(Clock(32, 0, false, true), whole);
  EXPECT_EQ(Clock(32, 100, false, true), whole);
  // Kept: the ellipse touching all four sides; grey: the corners outside it.
  EXPECT_EQ(whole[0], "############........############");
  EXPECT_EQ(whole[16], "................................");
  for (int y = 0; y < 32; ++y) {
    EXPECT_EQ(At(whole, 0, y), y >= 12 && y <= 19 ? '.' : '#') << y;
    // The shape is mirror-symmetric both ways.
    EXPECT_EQ(whole[y], std::string(whole[y].rbegin(), whole[y].rend())) << y;
    EXPECT_EQ(whole[y], whole[31 - y]) << y;
  }
}

// The seed decision: for every sector wide enough to have an inside, the fill reaches it (a
// pixel on the sector's bisector, three or more pixels from both radii, turns black), and it
// never leaks past the outline (the corners stay white).
TEST(ClockGray, FillReachesTheSectorAndNeverLeaksAtAnyPercentage) {
  for (const bool clockwise : {true, false})
    for (int percent = 10; percent <= 90; ++percent) {
      SCOPED_TRACE(::testing::Message() << percent << (clockwise ? " clockwise" : " counter"));
      const auto picture = Clock(32, percent, clockwise, false);
      // The black sector runs clockwise from 12 o'clock over this share of a turn.
      const double share = clockwise ? percent / 100.0 : 1 - percent / 100.0;
      const double bisector = share * 3.14159265358979;
      const int x = static_cast<int>(std::lround(15.5 + 10 * std::sin(bisector)));
      const int y = static_cast<int>(std::lround(15.5 - 10 * std::cos(bisector)));
      EXPECT_EQ(At(picture, x, y), '#');
      EXPECT_EQ(At(picture, 0, 0), '.');
      EXPECT_EQ(At(picture, 31, 0), '.');
      EXPECT_EQ(At(picture, 0, 31), '.');
      EXPECT_EQ(At(picture, 31, 31), '.');
    }
}

TEST(ButtonGlyph, ClockReplacesTheDisabledGreyAndGreyingNeedsGrayWhenDisabled) {
  const auto glyph = Filled(32, 32);
  TButtonGlyphInputs inputs;
  inputs.Glyph = glyph.get();
  TPngImage drawn;
  const std::vector<std::string> allKept(32, std::string(32, '.'));
  const std::vector<std::string> allGrey(32, std::string(32, '#'));

  ComposeButtonGlyph(inputs, drawn);
  EXPECT_EQ(Picture(drawn), allKept);

  inputs.Enabled = false;
  ComposeButtonGlyph(inputs, drawn);
  EXPECT_EQ(Picture(drawn), allGrey);

  inputs.GrayWhenDisabled = false;
  ComposeButtonGlyph(inputs, drawn);
  EXPECT_EQ(Picture(drawn), allKept);

  inputs.GrayWhenDisabled = true;
  inputs.ClockGray = 40;
  ComposeButtonGlyph(inputs, drawn);
  EXPECT_EQ(Picture(drawn), Clock(32, 40, true, true));  // the clock alone
  EXPECT_EQ(At(Picture(drawn), 23, 8), '.');

  EXPECT_EQ(Picture(*glyph), allKept);  // the input keeps its colours
}

TEST(ButtonGlyph, CombinesLargeAndSmallImageAtNegativeSpacing) {
  // Every column of the large image has its own colour, so cut-off columns would show.
  auto large = TPngImage::Blank(32, 32, TPngImage::kColorRgba, 8);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) large->SetPixel(x, y, {static_cast<uint8_t>(x), 0, 0, 255});
  const TRgba mark{0, 255, 0, 255};
  const auto small = Filled(16, 16, mark);
  const auto ignored = Filled(5, 5);
  TButtonGlyphInputs inputs;
  inputs.Glyph = ignored.get();  // the combination replaces it
  inputs.Combine1 = large.get();
  inputs.Combine2 = small.get();
  inputs.CombinedSpacing = -10;

  TPngImage drawn;
  ComposeButtonGlyph(inputs, drawn);
  ASSERT_EQ(drawn.Width(), 28);
  ASSERT_EQ(drawn.Height(), 32);
  EXPECT_EQ(drawn.ColorType(), TPngImage::kColorRgba);
  EXPECT_EQ(drawn.BitDepth(), 16);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 28; ++x) {
      const TRgba expected = x >= 12 && y < 16 ? mark : TRgba{static_cast<uint8_t>(x), 0, 0, 255};
      ASSERT_EQ(drawn.Pixel(x, y), expected) << x << ", " << y;
    }
}

TEST(ButtonGlyph, CentresCombineWithTruncatingTowardZeroAndDropsUnusedSpacing) {
  const TRgba left{255, 0, 0, 255};
  const auto c1 = Filled(4, 4, left);
  // A 9 x 5 overlay with its column number in green.
  auto over = TPngImage::Blank(9, 5, TPngImage::kColorRgba, 8);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 9; ++x) over->SetPixel(x, y, {0, static_cast<uint8_t>(x), 0, 255});
  TButtonGlyphInputs inputs;
  inputs.Combine1 = c1.get();
  inputs.CombinedSpacing = 5;

  TPngImage drawn;
  ComposeButtonGlyph(inputs, drawn);  // Combine1 alone: no spacing added
  EXPECT_EQ(drawn.Width(), 4);
  EXPECT_EQ(drawn.Pixel(3, 3), left);

  inputs.CombineWith = over.get();
  inputs.CombinedSpacing = 0;
  ComposeButtonGlyph(inputs, drawn);
  ASSERT_EQ(drawn.Width(), 4);
  // Moved by ((4 + 0 - 9) / 2, (4 - 5) / 2) = (-2, 0), not (-3, -1): column 2, row 0 of the
  // overlay lands on (0, 0).
  EXPECT_EQ(drawn.Pixel(0, 0), (TRgba{0, 2, 0, 255}));
  EXPECT_EQ(drawn.Pixel(3, 3), (TRgba{0, 5, 0, 255}));
}

TEST(ButtonGlyphLayout, FollowsTheTableAndMovesWhenDown) {
  TButtonLayoutInputs in;
  in.ClientWidth = 100;
  in.ClientHeight = 40;
  in.GlyphWidth = 32;
  in.GlyphHeight = 32;
  in.TextWidth = 30;
  in.TextHeight = 10;
  in.HasCaption = true;
  in.Spacing = 4;

  in.Layout = TButtonLayout::blGlyphLeft;
  EXPECT_EQ(CalcButtonLayout(in), (TButtonLayoutResult{{17, 4, 49, 36}, {53, 4}}));
  in.Layout = TButtonLayout::blGlyphRight;
  EXPECT_EQ(CalcButtonLayout(in), (TButtonLayoutResult{{51, 4, 83, 36}, {17, 4}}));
  in.ClientWidth = 60;
  in.ClientHeight = 80;
  in.Layout = TButtonLayout::blGlyphTop;
  EXPECT_EQ(CalcButtonLayout(in), (TButtonLayoutResult{{14, 17, 46, 49}, {15, 53}}));
  in.Layout = TButtonLayout::blGlyphBottom;
  in.Down = true;
  EXPECT_EQ(CalcButtonLayout(in), (TButtonLayoutResult{{16, 33, 48, 65}, {17, 19}}));

  // No caption: no spacing; a glyph wider than the button: (20 - 33) / 2 truncates to -6.
  in = {};
  in.ClientWidth = 20;
  in.ClientHeight = 20;
  in.GlyphWidth = 33;
  in.GlyphHeight = 16;
  in.Spacing = 4;
  in.Layout = TButtonLayout::blGlyphLeft;
  EXPECT_EQ(CalcButtonLayout(in), (TButtonLayoutResult{{-6, 2, 27, 18}, {27, 2}}));
}
