#include "game/ability.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "config/package.h"
#include "game/ability_fixture.h"
#include "game/ability_kinds.h"
#include "game/random_source.h"
#include "platform/png_image.h"

namespace {

class AbilityBaseTest : public AbilityTest {
 protected:
  // The seed ability's cooldown value as the map file gives it.
  TSWAbility& SeedWithCooldown(const std::string& value) {
    StartGame(3, 3, "[seed]\ncooldown=" + value + "\n");
    return config.Abilities().Get(u"seed,bloomer");
  }
};

TEST_F(AbilityBaseTest, CooldownTakesThePieceOfTheTickModeAndDrawsBelowTheRangesTop) {
  TSWAbility& seed = SeedWithCooldown("3 1m-5m");
  EXPECT_EQ(seed.Cooldown(), 3);

  config.SetTickMode(tmRealTime);
  RandomSource().Seed(11);
  std::vector<int32_t> draws;
  for (int i = 0; i < 3000; ++i) draws.push_back(seed.Cooldown());
  EXPECT_EQ(*std::min_element(draws.begin(), draws.end()), 60);
  EXPECT_EQ(*std::max_element(draws.begin(), draws.end()), 299);

  RandomSource().Seed(11);
  EXPECT_EQ(seed.Cooldown(), draws[0]);
  EXPECT_EQ(seed.Cooldown(), draws[1]);
}

TEST_F(AbilityBaseTest, CooldownOfOnePieceFailsInRealTimeWithTheIndexMessage) {
  TSWAbility& seed = SeedWithCooldown("7");
  EXPECT_EQ(seed.Cooldown(), 7);
  config.SetTickMode(tmRealTime);
  EXPECT_EQ(ErrorOf<EListError>([&] { seed.Cooldown(); }),
            u"ReadStrFrom failed - index 1 was not found in value \"7\" of [seed].");
}

TEST_F(AbilityBaseTest, UnreadableReversedAndNegativeCooldownsFailWithTheCooldownMessage) {
  StartGame(3, 3,
            "[seed]\ncooldown=soon 5m-1m\n"
            "[vegetate]\ncooldown=1\\-2 -3\n"
            "[removepath]\ncooldown=4- 1m-\n"
            "[spread]\ncooldown=$80000000-$7FFFFFFF $FFFFFFFB\n");
  const struct {
    const char16_t* Spec;
    TTickMode Mode;
    const char16_t* Message;
  } cases[] = {
      {u"seed,bloomer", tmTurn, u"[seed] must be a number or a range (e.g. 1m-5m) but \"soon\""},
      {u"seed,bloomer", tmRealTime,
       u"[seed] must be a number or a range (e.g. 1m-5m) but \"5m-1m\""},
      {u"vegetate,bloomer", tmTurn,
       u"[vegetate] must be a number or a range (e.g. 1m-5m) but \"1\\-2\""},
      {u"vegetate,bloomer", tmRealTime,
       u"[vegetate] must be a number or a range (e.g. 1m-5m) but \"-3\""},
      {u"removepath", tmTurn, u"[removepath] must be a number or a range (e.g. 1m-5m) but \"4-\""},
      {u"removepath", tmRealTime,
       u"[removepath] must be a number or a range (e.g. 1m-5m) but \"1m-\""},
      {u"spread,weed", tmTurn,
       u"[spread] must be a number or a range (e.g. 1m-5m) but \"$80000000-$7FFFFFFF\""},
      {u"spread,weed", tmRealTime,
       u"[spread] must be a number or a range (e.g. 1m-5m) but \"$FFFFFFFB\""},
  };
  for (const auto& test : cases) {
    config.SetTickMode(test.Mode);
    TSWAbility& ability = config.Abilities().Get(test.Spec);
    EXPECT_EQ(ErrorOf<EConvertError>([&] { ability.Cooldown(); }),
              u"Ability cooldown for " + WideString(test.Message) + u" was given.");
  }
}

TEST_F(AbilityBaseTest, ARangeOfOneValueAndACooldownOfZeroAreExact) {
  TSWAbility& seed = SeedWithCooldown("2-2 0");
  EXPECT_EQ(seed.Cooldown(), 2);
  config.SetTickMode(tmRealTime);
  EXPECT_EQ(seed.Cooldown(), 0);
}

TEST_F(AbilityBaseTest, GlyphsComeFromTheIconNamesAndOnlyInTwoSizes) {
  StartGame(3, 3);
  TSWAbility& spread = config.Abilities().Get(u"spread,weed");
  TTestPng icon;
  icon.Samples = {1, 2, 3, 4};
  folder.WriteFile("images/abilities/spread 16.png", EncodePng(icon));
  EXPECT_EQ(&spread.GetGlyph(16), &package.Image(u"abilities/spread 16"));
  EXPECT_EQ(ErrorOf<EListError>([&] { spread.GetGlyph(24); }),
            u"Wrong glyph size for ability (24).");
}

TEST_F(AbilityBaseTest, SeedGlyphStandsTheFlowerOnTheBottomUnderTheSmallIconOnce) {
  StartGame(3, 3);
  TSWAbility& seed = config.Abilities().Get(u"seed,bloomer");
  const TPngImage& glyph = seed.GetGlyph(32);
  ASSERT_EQ(glyph.Width(), 32);
  ASSERT_EQ(glyph.Height(), 32);
  // The 20 x 24 flower spans columns 6 to 25 and rows 7 to 30; the 16-pixel icon covers 0 to 15.
  EXPECT_EQ(glyph.Pixel(0, 0), (TRgba{16, 0, 0, 255}));
  EXPECT_EQ(glyph.Pixel(20, 30), (TRgba{200, 0, 0, 255}));
  EXPECT_EQ(glyph.Pixel(6, 16), (TRgba{200, 0, 0, 255}));
  EXPECT_EQ(glyph.Pixel(5, 30).A, 0);
  EXPECT_EQ(glyph.Pixel(20, 31).A, 0);
  EXPECT_EQ(glyph.Pixel(20, 6).A, 0);
  EXPECT_EQ(&seed.GetGlyph(32), &glyph);
}

TEST_F(AbilityBaseTest, VegetateGlyphIsAFreshCopyOfItsOwnIcon) {
  StartGame(3, 3);
  TSWAbility& vegetate = config.Abilities().Get(u"vegetate,bloomer");
  const TPngImage& glyph = vegetate.GetGlyph(32);
  const TPngImage& icon = package.Image(u"abilities\\vegetate 32");
  EXPECT_NE(&glyph, &icon);
  EXPECT_EQ(glyph.Pixel(31, 31), icon.Pixel(31, 31));
  EXPECT_EQ(glyph.Width(), 32);
}

TEST_F(AbilityBaseTest, CaptionIsTheLanguageStringOfTheNameOrOfTheGivenName) {
  StartGame(3, 3);
  TSWAbility& seed = config.Abilities().Get(u"seed,bloomer");
  EXPECT_EQ(seed.GetCaption(), u"Plant a seed");
  EXPECT_EQ(seed.GetCaption(u"spread"), u"Spread");
}

TEST(RandomSourceTest, DrawsEveryValueBelowTheBoundAndRefusesAnEmptyRange) {
  TRandomSource source(5);
  std::vector<int> seen(3);
  for (int i = 0; i < 300; ++i) ++seen.at(source.Next(3));
  EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int count) { return count > 0; }));
  EXPECT_EQ(source.Next(1), 0);
  EXPECT_EQ(ErrorOf<EInvalidArgument>([&] { source.Next(0); }),
            u"TRandomSource.Next needs a positive bound, but 0 was given.");
}

}  // namespace
