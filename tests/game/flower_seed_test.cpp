#include "game/flower_seed.h"

#include <stdexcept>
#include <vector>

#include "base/utf8.h"
#include "config/event_names.h"
#include "game/objects_fixture.h"

namespace {

class DeathWatch : public TObject {
 public:
  void OnDied(TSWConfig* /*sender*/, const WideString& /*eventName*/, TObject* arg) {
    Reason = static_cast<TSWFlower*>(arg)->DeathReason();
  }
  WideString Reason;
};

class FlowerSeedTest : public ObjectsTest {
 protected:
  FlowerSeedTest() {
    folder.WriteFile("objects.ini",
                     "[bloomer]\nHP=100\n"
                     "[bloomer levels]\n20 20\n"
                     "[weed]\nHP=20\n"
                     "[seed growth]\nbloomer=10\nweed=5\n*=2\n"
                     "[seed soil req]\nbloomer=loamy, fertile\n*=\n");
  }

  // A seed planted on a cell of the terrain, its events recorded.
  TSWFlower_Seed& Planted(const WideString& spec, const WideString& terrain) {
    TSWMapCell& cell = PutTerrain(3, 3, terrain);
    cell.Slots().Add(spec, &owner);
    Listen({kEventFlowerGrown, kEventFlowerDied}, cell);
    for (int i = 0; i < cell.Slots().Count(); ++i)
      if (auto* seed = As<TSWFlower_Seed>(&cell.Slots().Flowers(i))) return *seed;
    throw std::logic_error("no seed planted");
  }

  TSWMapCellSlots& Slots() { return SlotsAt(3, 3); }
};

TEST_F(FlowerSeedTest, ASeedLoadsItsFlowersConfigurationAndStartsWithOneHitPoint) {
  TSWFlower_Seed& seed = Planted(u"seed,bloomer,tall", u"loamy");
  EXPECT_EQ(seed.Name(), u"seed");
  EXPECT_EQ(seed.FlowerName(), u"bloomer");
  EXPECT_EQ(seed.FlowerParams(), u",tall");
  EXPECT_EQ(seed.Growth(), 10);
  EXPECT_EQ(seed.HP(), 1);
  EXPECT_EQ(seed.MaxHP(), 100);
  EXPECT_EQ(seed.TicksLeft(), 20);
  EXPECT_EQ(Planted(u"seed,vegbloomer", u"loamy").Growth(), 2);
}

TEST_F(FlowerSeedTest, ASeedSproutsOnTheTickItsHitPointsReachItsFlowers) {
  TSWFlower_Seed& seed = Planted(u"seed,bloomer", u"loamy");
  Tick(9);
  EXPECT_EQ(Slots().Find(u"flower"), &seed);
  EXPECT_EQ(seed.HP(), 91);
  EXPECT_TRUE(log.Events.empty());

  Tick(1);
  TSWFlower* bloomer = Slots().Find(u"flower");
  ASSERT_NE(bloomer, nullptr);
  EXPECT_EQ(bloomer->ClassName(), u"TSWFlower_Bloomer");
  EXPECT_EQ(bloomer->Player(), &owner);
  EXPECT_EQ(bloomer->HP(), 100);
  EXPECT_EQ(log.Events,
            (std::vector<TLoggedEvent>{
                {kEventFlowerGrown, &seed}, {kEventSlotDelete, &seed}, {kEventSlotAdd, bloomer}}));
  // The seed's countdown went with it; the flower keeps its own.
  EXPECT_EQ(bloomer->TicksLeft(), 20);
}

TEST_F(FlowerSeedTest, ASeedWhoseHitPointsReachItsFlowersExactlySprouts) {
  UseMapFile("exact", "[seed growth]\nbloomer=11\n");
  TSWFlower_Seed& seed = Planted(u"seed,bloomer", u"loamy");
  Tick(8);
  EXPECT_EQ(seed.HP(), 89);
  Tick(1);  // 100 of 100
  EXPECT_EQ(Slots().Find(u"flower")->ClassName(), u"TSWFlower_Bloomer");
}

TEST_F(FlowerSeedTest, GrowthBeyondWhatHitPointsHoldSproutsOnTheFirstTick) {
  UseMapFile("huge", "[seed growth]\nbloomer=2147483647\n[bloomer]\nHP=2147483647\n");
  Planted(u"seed,bloomer", u"loamy");
  Tick(1);
  EXPECT_EQ(Slots().Find(u"flower")->ClassName(), u"TSWFlower_Bloomer");
}

TEST_F(FlowerSeedTest, WithoutAnyGrowthEntryASeedWithersAndNeverSprouts) {
  folder.WriteFile("objects.ini", "[seed growth]\nweed=5\n");
  TSWFlower_Seed& seed = Planted(u"seed,bloomer", u"loamy");
  EXPECT_EQ(seed.Growth(), -1);
  Tick(200);
  EXPECT_EQ(Slots().Find(u"flower"), &seed);
  EXPECT_EQ(seed.HP(), -199);
  EXPECT_TRUE(log.Events.empty());
}

TEST_F(FlowerSeedTest, OnTheWrongSoilASeedDiesInsteadOfSprouting) {
  TSWFlower_Seed& seed = Planted(u"seed,bloomer", u"clay");
  DeathWatch watch;
  config.Events().AddHandler(kEventFlowerDied, TSWEventHandler::Of<&DeathWatch::OnDied>(&watch));
  Tick(10);
  EXPECT_EQ(watch.Reason, u"rip: bad soil for seed");
  EXPECT_EQ(log.Events,
            (std::vector<TLoggedEvent>{{kEventFlowerDied, &seed}, {kEventSlotDelete, &seed}}));
  EXPECT_TRUE(Slots().IsFree(u"flower"));
}

TEST_F(FlowerSeedTest, TheRequirementListsSoilsSeparatedByCommasAndBlanks) {
  for (const char16_t* soil : {u"loamy", u"fertile"}) {
    Planted(u"seed,bloomer", soil);
    Tick(10);
    EXPECT_EQ(Slots().Find(u"flower")->Name(), u"bloomer") << Utf8Encode(soil);
  }
  for (const char16_t* soil : {u"clay", u"loam", u"terrain"}) {
    Planted(u"seed,bloomer", soil);
    Tick(10);
    EXPECT_TRUE(Slots().IsFree(u"flower")) << Utf8Encode(soil);
  }
}

TEST_F(FlowerSeedTest, AnEmptyRequirementAcceptsEverySoil) {
  // "weed" falls back to the empty "*" entry.
  Planted(u"seed,weed", u"clay");
  Tick(4);
  EXPECT_EQ(Slots().Find(u"weed")->ClassName(), u"TSWFlower_Weed");
}

TEST_F(FlowerSeedTest, AnAbsentRequirementAcceptsEverySoil) {
  folder.WriteFile("objects.ini", "[seed growth]\n*=50\n");
  Planted(u"seed,bloomer", u"clay");
  Tick(2);
  EXPECT_EQ(Slots().Find(u"flower")->ClassName(), u"TSWFlower_Bloomer");
}

TEST_F(FlowerSeedTest, ASeedOfAWeedGrowsBesideAFlower) {
  TSWMapCell& cell = PutTerrain(3, 3, u"clay");
  cell.Slots().Add(u"bloomer", &owner);
  const TSWFlower* bloomer = cell.Slots().Find(u"flower");
  cell.Slots().Add(u"seed,weed", &owner);
  EXPECT_EQ(cell.Slots().Find(u"flower"), bloomer);
  EXPECT_EQ(cell.Slots().Find(u"weed")->Name(), u"seed");

  Tick(4);
  EXPECT_EQ(cell.Slots().Find(u"weed")->ClassName(), u"TSWFlower_Weed");
  EXPECT_EQ(cell.Slots().Find(u"flower"), bloomer);
}

TEST_F(FlowerSeedTest, ASeedNeedsAFlowerNameAndAReadableGrowth) {
  EXPECT_EQ(ErrorOf<EComponentError>([&] { Slots().Add(u"seed", &owner); }),
            u"Seed accepts a mandatory FlowerName argument, none was passed.");
  UseMapFile("fast", "[seed growth]\nbloomer=fast\n");
  EXPECT_EQ(ErrorOf<EConvertError>([&] { Slots().Add(u"seed,bloomer", &owner); }),
            u"Property from [seed growth] must be a number - but fast was given.");
  EXPECT_EQ(Slots().Count(), 0);
}

}  // namespace
