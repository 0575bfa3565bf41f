#include "ui/windows/sky.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/folder_package.h"
#include "game/random_source.h"
#include "platform/png_image.h"
#include "support/recording_canvas.h"

namespace {

struct SkyTest : testing::Test {
  SkyTest() { package.SetPath(u"" SW_DATA_DIR); }

  const TPngImage* Image(WideStringView name) { return &package.Image(name); }

  TSWFolderPackage package;
};

// The sky a source seeded with `seed` gives, drawn in the documented order of its draws.
std::vector<TDrawnImage> ExpectedSky(SkyTest& test, uint32_t seed, int width, int height,
                                     std::vector<TCloud>& clouds) {
  TRandomSource random(seed);
  std::vector<TDrawnImage> drawn;
  const TPngImage* tile = test.Image(u"background");
  for (int x = 0; x < width; x += tile->Width())
    drawn.push_back({tile, x, (height - tile->Height()) / 2});
  for (int count = random.Next(6) + 1; count > 0; --count) {
    const int number = random.Next(1) + 1;
    const int right = random.Next(width + 50);
    const int x = right - random.Next(50);
    drawn.push_back({test.Image(u"cloud " + IntToWide(number)), x, random.Next(80) + 30});
  }
  clouds.resize(static_cast<size_t>(random.Next(4) + 1));
  for (TCloud& cloud : clouds) {
    cloud.Y = random.Next(80) + 30;
    cloud.X = random.Next(width);
    cloud.Direction = random.Next(100) < 50 ? -1 : 1;
  }
  drawn.push_back({test.Image(u"sun"), width - 200, 40});
  return drawn;
}

TEST_F(SkyTest, RendersTilesCloudsAndSunInTheOrderOfItsDraws) {
  for (const uint32_t seed : {1u, 7u, 2024u}) {
    TRandomSource random(seed);
    TSky sky(package, random);
    // Narrower than the sun's margin: the sun sits at a negative x, the row still covers all.
    for (const int width : {975, 150}) {
      std::vector<TCloud> clouds;
      const std::vector<TDrawnImage> expected = ExpectedSky(*this, seed, width, 500, clouds);
      random.Seed(seed);
      TRecordingCanvas canvas;
      sky.Render(canvas, width, 500);
      EXPECT_EQ(canvas.DrawnImages(), expected) << "seed " << seed << ", width " << width;
      EXPECT_EQ(sky.SunX(), width - 200);
      ASSERT_EQ(sky.Clouds().size(), clouds.size());
      for (size_t i = 0; i < clouds.size(); ++i) {
        EXPECT_EQ(sky.Clouds()[i].X, clouds[i].X);
        EXPECT_EQ(sky.Clouds()[i].Direction, clouds[i].Direction);
      }
    }
  }
}

TEST_F(SkyTest, AStepMovesOneCloudOnePixelAndNamesOnlyItsNewPlace) {
  TRandomSource random(3);
  TSky sky(package, random);
  TRecordingCanvas canvas;
  sky.Render(canvas, 975, 500);
  const std::vector<TCloud> before = sky.Clouds();
  const TRect changed = sky.MoveOneCloud();
  int moved = 0;
  for (size_t i = 0; i < before.size(); ++i) {
    const TCloud& cloud = sky.Clouds()[i];
    if (cloud.X == before[i].X) continue;
    ++moved;
    EXPECT_EQ(cloud.X, before[i].X + cloud.Direction);
    EXPECT_EQ(changed, Bounds(cloud.X, cloud.Y, Image(u"cloud moving")->Width(),
                              Image(u"cloud moving")->Height()));
  }
  EXPECT_EQ(moved, 1);
}

}  // namespace
