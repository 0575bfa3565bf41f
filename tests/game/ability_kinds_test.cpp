#include "game/ability_kinds.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/event_hash.h"
#include "config/event_names.h"
#include "config/object_factory.h"
#include "game/ability_fixture.h"
#include "game/ability_list.h"
#include "game/flower_seed.h"
#include "game/random_source.h"
#include "map/coords_list.h"
#include "map/map_cell_slots.h"

namespace {

using Names = std::vector<WideString>;

// Records the argument of "path removed" and whether the path was still there.
class PathWatch : public TObject {
 public:
  void OnEvent(TSWConfig* /*sender*/, const WideString& /*eventName*/, TObject* arg) {
    Arg = arg;
    PathPresent = !static_cast<TSWMapCellSlots*>(arg)->IsFree(u"path");
  }

  TObject* Arg = nullptr;
  bool PathPresent = false;
};

class AbilityKindsTest : public AbilityTest {
 protected:
  // Starts a board whose bloomers have the abilities `lines`, plus `extra`.
  void StartWithBloomerAbilities(int width, int height, const std::string& lines,
                                 const std::string& extra = "") {
    StartGame(width, height, "[bloomer abilities at 1]\n" + lines + extra);
  }

  template <class T>
  T& InstanceOf(const TSWFlower& flower, int index = 0) {
    return *As<T>(&LinkOf(flower, index).Instance());
  }

  std::vector<TPoint> TargetsOf(const TSWTargetableAbility& ability) {
    std::vector<TPoint> cells;
    for (int i = 0; i < ability.Targets().Count(); ++i)
      cells.push_back(ability.Targets().Coords(i));
    return cells;
  }

  int SeedsOnBoard() {
    int seeds = 0;
    for (int x = 0; x < map.CellsX(); ++x)
      for (int y = 0; y < map.CellsY(); ++y)
        for (int i = 0; i < CellAt(x, y).Slots().Count(); ++i)
          seeds += CellAt(x, y).Slots().Flowers(i).Is<TSWFlower_Seed>();
    return seeds;
  }

  AbilityEvents events;
};

using Cells = std::vector<TPoint>;

TEST_F(AbilityKindsTest, TheFourKindsAreRegisteredAndTwoOfThemAutocast) {
  EXPECT_EQ(CreateFrom(u"removepath", TSWAbility::StaticClass()).Class->Class,
            &TSWAbility_RemovePath::StaticClass());
  StartGame(3, 3);
  const struct {
    const char16_t* Spec;
    const TClass* Class;
    bool Autocastable;
  } kinds[] = {{u"seed,bloomer", &TSWAbility_Seed::StaticClass(), false},
               {u"vegetate,bloomer", &TSWAbility_Vegetate::StaticClass(), false},
               {u"spread,weed", &TSWAbility_Spread::StaticClass(), true},
               {u"removepath", &TSWAbility_RemovePath::StaticClass(), true}};
  for (const auto& kind : kinds) {
    TSWAbility& ability = config.Abilities().Get(kind.Spec);
    EXPECT_EQ(&ability.ClassType(), kind.Class);
    EXPECT_EQ(ability.Autocastable(), kind.Autocastable);
  }
  EXPECT_EQ(ErrorOf<EListError>([&] { config.Abilities().Get(u"seed"); }),
            u"Seed ability needs at least 2 parameters.");
}

TEST_F(AbilityKindsTest, OnlyFlowersFire) {
  StartWithBloomerAbilities(3, 3, "removepath\n");
  TSWAbility& removePath = InstanceOf<TSWAbility>(Put(1, 1, u"bloomer", gaia));
  EXPECT_EQ(ErrorOf<EComponentError>([&] { removePath.FireBy(&gaia); }),
            u"TSWAbility_RemovePath.FireBy expected a TSWFlower.");
  EXPECT_FALSE(removePath.IsFiring());
}

TEST_F(AbilityKindsTest, SeedSelectsAmongTheFloodedCellsWithoutFlowerOrPuddleAndFencesStopIt) {
  StartWithBloomerAbilities(5, 5, "seed,bloomer\n", "[seed distances]\n*=2\n");
  GiveMana(player1, 10);
  TSWFlower& bloomer = Put(2, 2, u"bloomer", player1);
  for (int x = 0; x < 5; ++x) Put(x, 1, u"fence", gaia);
  Put(1, 3, u"puddle", gaia);
  Put(3, 4, u"bloomer", gaia);

  LinkOf(bloomer).Fire();
  const auto& seed = InstanceOf<TSWAbility_Seed>(bloomer);
  EXPECT_TRUE(seed.IsFiring());
  EXPECT_TRUE(map.Selecting());
  EXPECT_EQ(map.RequiredCount(), 1);
  EXPECT_EQ(seed.Targets().Count(), 15);
  for (int x = 0; x < 5; ++x) {
    EXPECT_FALSE(seed.Targets().Contains(x, 1)) << x;
    EXPECT_FALSE(seed.Targets().Contains(x, 0)) << x;
  }
  EXPECT_TRUE(map.IsCellNonSelectable(CellAt(2, 2)));  // the firer's own flower
  EXPECT_TRUE(map.IsCellNonSelectable(CellAt(1, 3)));
  EXPECT_TRUE(map.IsCellNonSelectable(CellAt(3, 4)));
  EXPECT_TRUE(map.IsCellNonSelectable(CellAt(2, 1)));
  EXPECT_FALSE(map.IsCellNonSelectable(CellAt(0, 4)));
}

TEST_F(AbilityKindsTest, VegetateIsAlsoStoppedByFlowersAndPuddlesAndCannotTargetFences) {
  StartWithBloomerAbilities(7, 1, "seed,bloomer\nvegetate,bloomer\n",
                            "[seed distances]\n*=3\n[vegetate distances]\n*=3\n");
  GiveMana(player1, 10);
  TSWFlower& bloomer = Put(3, 0, u"bloomer", player1);
  Put(2, 0, u"fence", gaia);
  Put(1, 0, u"puddle", gaia);
  Put(5, 0, u"bloomer", gaia);

  LinkOf(bloomer, 0).Fire();
  auto& seed = InstanceOf<TSWAbility_Seed>(bloomer, 0);
  EXPECT_EQ(TargetsOf(seed), (Cells{{3, 0}, {4, 0}, {5, 0}, {6, 0}}));
  seed.Cancel();

  LinkOf(bloomer, 1).Fire();
  auto& vegetate = InstanceOf<TSWAbility_Vegetate>(bloomer, 1);
  EXPECT_EQ(TargetsOf(vegetate), (Cells{{2, 0}, {4, 0}}));
  EXPECT_FALSE(vegetate.CanTarget(CellAt(2, 0)));
  EXPECT_TRUE(vegetate.CanTarget(CellAt(4, 0)));
}

TEST_F(AbilityKindsTest, WithoutADistanceTheSelectionStartsWithNothingToChoose) {
  StartWithBloomerAbilities(3, 3, "vegetate,bloomer\n");
  TSWFlower& bloomer = Put(1, 1, u"bloomer", player1);
  LinkOf(bloomer).Fire();
  EXPECT_TRUE(map.Selecting());
  EXPECT_EQ(InstanceOf<TSWAbility_Vegetate>(bloomer).Targets().Count(), 0);
  for (int x = 0; x < 3; ++x)
    for (int y = 0; y < 3; ++y) EXPECT_TRUE(map.IsCellNonSelectable(CellAt(x, y)));
}

TEST_F(AbilityKindsTest, TooLittleManaCancelsAndLeavesThePoolUntouched) {
  StartWithBloomerAbilities(3, 3, "seed,bloomer\n", "[seed mana req]\nbloomer=7\n");
  GiveMana(player1, 5);
  TSWFlower& bloomer = Put(1, 1, u"bloomer", player1);
  events.Watch(LinkOf(bloomer).Instance());

  EXPECT_EQ(ErrorOf<EInvalidArgument>([&] { LinkOf(bloomer).Fire(); }),
            u"This flower requires 7 mana but you had 5.");
  EXPECT_EQ(player1.Mana(), 5);
  EXPECT_EQ(events.Names, (Names{kEventFire, kEventCancel}));
  EXPECT_FALSE(map.Selecting());
  EXPECT_FALSE(LinkOf(bloomer).IsRecharging());
}

TEST_F(AbilityKindsTest, TheCostIsPaidBeforeTheSelectionAndStaysPaidWhenItIsCancelled) {
  StartWithBloomerAbilities(3, 3, "seed,bloomer\nseed,weed\n");
  GiveMana(player1, 5);
  TSWFlower& bloomer = Put(1, 1, u"bloomer", player1);
  auto& seed = InstanceOf<TSWAbility_Seed>(bloomer, 0);
  events.Watch(seed);

  LinkOf(bloomer, 0).Fire();
  EXPECT_EQ(player1.Mana(), 2);
  seed.Cancel();
  EXPECT_FALSE(map.Selecting());
  EXPECT_EQ(events.Names, (Names{kEventFire, kEventCancel}));
  EXPECT_EQ(player1.Mana(), 2);
  EXPECT_FALSE(LinkOf(bloomer, 0).IsRecharging());

  // No requirement for a weed at all: it is free.
  LinkOf(bloomer, 1).Fire();
  EXPECT_TRUE(map.Selecting());
  EXPECT_EQ(player1.Mana(), 2);
}

TEST_F(AbilityKindsTest, AChosenCellGetsASeedOfTheFirersPlayerAndTheAbilityEnds) {
  StartWithBloomerAbilities(3, 3, "seed,bloomer,tall\n");
  GiveMana(player1, 5);
  TSWFlower& bloomer = Put(1, 1, u"bloomer", player1);
  auto& seed = InstanceOf<TSWAbility_Seed>(bloomer);
  EXPECT_EQ(seed.SeedFlower(), u"bloomer");
  EXPECT_EQ(seed.SeedParams(), u",tall");
  events.Watch(seed);

  LinkOf(bloomer).Fire();
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { LinkOf(bloomer).Fire(); }),
            u"TSWAbility_Seed is already firing.");
  EXPECT_TRUE(map.Selecting());
  map.AddToSelection(CellAt(0, 2));

  const auto* planted = As<TSWFlower_Seed>(At(0, 2, u"flower"));
  ASSERT_NE(planted, nullptr);
  EXPECT_EQ(planted->Player(), &player1);
  EXPECT_EQ(planted->FlowerName(), u"bloomer");
  EXPECT_EQ(planted->FlowerParams(), u",tall");
  EXPECT_FALSE(seed.IsFiring());
  EXPECT_FALSE(map.Selecting());
  EXPECT_EQ(events.Names, (Names{kEventFire, kEventEnd}));
  EXPECT_TRUE(LinkOf(bloomer).IsRecharging());
}

TEST_F(AbilityKindsTest, APlantingThatFailsCancelsTheAbilityWithoutRecharge) {
  StartWithBloomerAbilities(3, 3, "vegetate,bloomer\n",
                            "[vegetate distances]\n*=1\n[seed growth]\nbloomer=lots\n");
  TSWFlower& bloomer = Put(1, 1, u"bloomer", player1);
  events.Watch(LinkOf(bloomer).Instance());
  LinkOf(bloomer).Fire();

  EXPECT_EQ(ErrorOf<EConvertError>([&] { map.AddToSelection(CellAt(0, 0)); }),
            u"planting in cell 0:0: Property from [seed growth] must be a number - but lots was "
            u"given.");
  EXPECT_EQ(events.Names, (Names{kEventFire, kEventCancel}));
  EXPECT_FALSE(LinkOf(bloomer).Instance().IsFiring());
  EXPECT_FALSE(LinkOf(bloomer).IsRecharging());
}

TEST_F(AbilityKindsTest, AFireRefusedByAnotherSelectionCancelsOnlyItself) {
  StartWithBloomerAbilities(3, 3, "vegetate,bloomer\n", "[vegetate distances]\n*=1\n");
  TSWFlower& first = Put(0, 0, u"bloomer", player1);
  TSWFlower& second = Put(2, 2, u"bloomer", player1);
  LinkOf(first).Fire();

  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { LinkOf(second).Fire(); }),
            u"Map Map is already performing a selection.");
  EXPECT_FALSE(LinkOf(second).Instance().IsFiring());
  EXPECT_TRUE(map.Selecting());
  map.AddToSelection(CellAt(1, 0));
  EXPECT_NE(As<TSWFlower_Seed>(At(1, 0, u"flower")), nullptr);
  EXPECT_FALSE(LinkOf(first).Instance().IsFiring());
}

TEST_F(AbilityKindsTest, AFlowerThatDiesWhileThePlayerChoosesTakesItsSelectionAlong) {
  StartWithBloomerAbilities(3, 3, "vegetate,bloomer\n", "[vegetate distances]\n*=1\n");
  TSWFlower& bloomer = Put(1, 1, u"bloomer", player1);
  LinkOf(bloomer).Fire();
  ASSERT_TRUE(map.Selecting());

  bloomer.Die();
  EXPECT_FALSE(map.Selecting());
  ClickCell(0, 0);
  EXPECT_EQ(At(0, 0, u"flower"), nullptr);
}

TEST_F(AbilityKindsTest, SpreadPlantsInTheFirstOpenOrthogonalNeighbourWhateverTheDraw) {
  StartGame(5, 5, "[weed abilities at 1]\nspread,weed\n");
  TSWFlower& weed = Put(2, 0, u"weed", gaia);
  Put(2, 1, u"puddle", gaia);
  for (uint32_t draw : {1u, 2u, 3u}) {
    RandomSource().Seed(draw);
    LinkOf(weed).Fire();
    const auto* planted = As<TSWFlower_Seed>(At(1, 0, u"weed"));
    ASSERT_NE(planted, nullptr);
    EXPECT_EQ(planted->Player(), &gaia);
    EXPECT_EQ(SeedsOnBoard(), 1);
    EXPECT_TRUE(LinkOf(weed).IsRecharging());
    CellAt(1, 0).Slots().Remove(u"weed");
    Tick(4);
  }
}

TEST_F(AbilityKindsTest, ASpreadOfAFlowerPlantsBesideItsFirerNeverOverIt) {
  // A bloomer that spreads bloomers floods from its own, unblocked cell first.
  StartGame(3, 3, "[bloomer abilities at 1]\nspread,bloomer\n");
  TSWFlower& bloomer = Put(1, 1, u"bloomer", gaia);
  events.Watch(LinkOf(bloomer).Instance());

  LinkOf(bloomer).Fire();
  EXPECT_EQ(At(1, 1, u"flower"), &bloomer);
  EXPECT_NE(As<TSWFlower_Seed>(At(1, 0, u"flower")), nullptr);
  EXPECT_EQ(SeedsOnBoard(), 1);
  EXPECT_EQ(events.Names, (Names{kEventFire, kEventEnd}));
  EXPECT_TRUE(LinkOf(bloomer).IsRecharging());
}

TEST_F(AbilityKindsTest, AWeedSeedingWeedsCannotPickItsOwnCell) {
  StartGame(3, 3, "[weed abilities at 1]\nseed,weed\n[seed mana req]\nweed=2\n");
  GiveMana(player1, 5);
  TSWFlower& weed = Put(1, 1, u"weed", player1);

  LinkOf(weed).Fire();
  EXPECT_EQ(player1.Mana(), 3);
  EXPECT_TRUE(map.IsCellNonSelectable(CellAt(1, 1)));
  ClickCell(1, 1);
  EXPECT_TRUE(map.Selecting());
  EXPECT_FALSE(LinkOf(weed).IsRecharging());
  EXPECT_EQ(At(1, 1, u"weed"), &weed);

  ClickCell(0, 0);
  EXPECT_NE(As<TSWFlower_Seed>(At(0, 0, u"weed")), nullptr);
  EXPECT_TRUE(LinkOf(weed).IsRecharging());
}

TEST_F(AbilityKindsTest, SpreadBoxedInEndsAtOnceAndRecharges) {
  StartGame(5, 5);
  TSWFlower& weed = Put(2, 2, u"weed", gaia);
  Put(2, 1, u"puddle", gaia);
  Put(2, 3, u"puddle", gaia);
  Put(1, 2, u"weed", player1);
  Put(3, 2, u"weed", player1);
  events.Watch(LinkOf(weed).Instance());

  LinkOf(weed).Fire();
  EXPECT_EQ(events.Names, (Names{kEventFire, kEventEnd}));
  EXPECT_TRUE(InstanceOf<TSWAbility_Spread>(weed).Targets().Count() == 0);
  EXPECT_EQ(SeedsOnBoard(), 0);
  EXPECT_EQ(LinkOf(weed).RechargePercent(), 100);
}

TEST_F(AbilityKindsTest, SpreadDamagesOnlyOtherPlayersObjectsAroundItsCell) {
  StartGame(5, 5, "[weed abilities at 1]\nspread,weed\n");
  TSWFlower& weed = Put(2, 2, u"weed", gaia);
  TSWFlower& ownBloomer = Put(1, 1, u"bloomer", gaia);
  TSWFlower& sharingCell = Put(2, 2, u"bloomer", player1);
  TSWFlower& neighbour = Put(3, 3, u"bloomer", player1);
  TSWFlower& farAway = Put(4, 4, u"bloomer", player1);

  LinkOf(weed).Fire();
  EXPECT_EQ(weed.HP(), 30);
  EXPECT_EQ(ownBloomer.HP(), 100);
  EXPECT_EQ(sharingCell.HP(), 90);
  EXPECT_EQ(neighbour.HP(), 90);
  EXPECT_EQ(farAway.HP(), 100);
}

TEST_F(AbilityKindsTest, SpreadHurtsItsOwnCellOnceForEveryWalkThatEndsThere) {
  StartGame(5, 5, "[spread]\ndamage distance=2\n");
  TSWFlower& weed = Put(2, 2, u"weed", gaia);
  TSWFlower& sharingCell = Put(2, 2, u"bloomer", player1);
  LinkOf(weed).Fire();
  EXPECT_EQ(sharingCell.HP(), 10);
}

TEST_F(AbilityKindsTest, RemovePathAnnouncesTheCellsSlotsBeforeTheRemoval) {
  StartWithBloomerAbilities(3, 3, "removepath\n");
  TSWFlower& bloomer = Put(1, 1, u"bloomer", player1);
  PathWatch watch;
  config.Events().AddHandler(kEventPathRemoved, TSWEventHandler::Of<&PathWatch::OnEvent>(&watch));
  events.Watch(LinkOf(bloomer).Instance());

  LinkOf(bloomer).Fire();
  EXPECT_EQ(watch.Arg, nullptr);
  EXPECT_EQ(events.Names, (Names{kEventFire, kEventCancel}));
  EXPECT_FALSE(LinkOf(bloomer).IsRecharging());

  Put(1, 1, u"path", gaia);
  LinkOf(bloomer).Fire();
  EXPECT_EQ(watch.Arg, &CellAt(1, 1).Slots());
  EXPECT_TRUE(watch.PathPresent);
  EXPECT_EQ(At(1, 1, u"path"), nullptr);
  EXPECT_EQ(events.Names, (Names{kEventFire, kEventCancel, kEventFire, kEventEnd}));
  EXPECT_TRUE(LinkOf(bloomer).IsRecharging());
}

}  // namespace
