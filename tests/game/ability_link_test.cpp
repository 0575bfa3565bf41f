#include "game/ability_link.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/event_names.h"
#include "containers/string_list_w.h"
#include "game/ability_fixture.h"
#include "game/ability_list.h"
#include "map/map_cell_slots.h"

namespace {

using Names = std::vector<WideString>;

class AbilityLinkTest : public AbilityTest {
 protected:
  // A Gaia bloomer at (1, 1) with the abilities `lines` (one per line) on a 3 x 3 board.
  TSWFlower& BloomerWith(const std::string& lines, const std::string& extra = "") {
    StartGame(3, 3, "[bloomer abilities at 1]\n" + lines + extra);
    return Put(1, 1, u"bloomer", gaia);
  }

  std::vector<int32_t> PercentsOverTicks(TSWAbilityLink& link, int ticks) {
    std::vector<int32_t> percents{link.RechargePercent()};
    for (int i = 0; i < ticks; ++i) {
      Tick();
      percents.push_back(link.RechargePercent());
    }
    return percents;
  }

  AbilityEvents events;
};

TEST_F(AbilityLinkTest, FlagsAfterTheEqualsSignAreCaseSensitiveAndALineWithoutOneHasNone) {
  TSWFlower& bloomer =
      BloomerWith("removepath=autocast uncharged\nseed,bloomer\nremovepath=Autocast\n");
  const TSWAbilityList& list = bloomer.Abilities();
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Strings(1), u"seed,bloomer=");
  EXPECT_EQ(list.Links(1)->Name(), u"seed,bloomer");
  EXPECT_EQ(list.Links(0)->Name(), u"removepath");

  EXPECT_TRUE(list.Links(0)->Autocast());
  EXPECT_EQ(list.Links(0)->RechargePercent(), 100);
  EXPECT_EQ(list.Links(0)->CooldownTotal(), 3);

  for (int i : {1, 2}) {
    EXPECT_FALSE(list.Links(i)->Autocast()) << i;
    EXPECT_EQ(list.Links(i)->RechargePercent(), 0) << i;
    EXPECT_FALSE(list.Links(i)->IsRecharging()) << i;
    EXPECT_EQ(list.Links(i)->CooldownTotal(), 1) << i;
  }
}

TEST_F(AbilityLinkTest, LoadingNewLinesFreesTheOldLinksWithTheirInstances) {
  TSWFlower& bloomer = BloomerWith("seed,bloomer\n");
  TSWAbilityLink& old = LinkOf(bloomer);
  events.Watch(old, {kEventFree});
  events.Watch(old.Instance(), {kEventFree});

  TStringListW lines;
  lines.Add(u"removepath=uncharged");
  bloomer.Abilities().Load(lines);
  EXPECT_EQ(events.Names, (Names{kEventFree, kEventFree}));
  ASSERT_EQ(bloomer.Abilities().Count(), 1);
  EXPECT_EQ(bloomer.Abilities().Strings(0), u"removepath=uncharged");
  EXPECT_TRUE(LinkOf(bloomer).IsRecharging());
}

TEST_F(AbilityLinkTest, EachLinkHasItsOwnInstanceOfTheSharedDefinitionsClass) {
  TSWFlower& first = BloomerWith("seed,bloomer\n");
  TSWFlower& second = Put(2, 2, u"bloomer", gaia);
  TSWAbility& definition = LinkOf(first).Ability();
  EXPECT_EQ(&LinkOf(second).Ability(), &definition);

  TSWAbility& instance = LinkOf(first).Instance();
  EXPECT_EQ(&LinkOf(first).Instance(), &instance);
  EXPECT_NE(&instance, &definition);
  EXPECT_NE(&LinkOf(second).Instance(), &instance);
  EXPECT_EQ(instance.ClassName(), u"TSWAbility_Seed");
  EXPECT_EQ(instance.Params(), definition.Params());
}

TEST_F(AbilityLinkTest, AfterAnEndTheRechargeCountsDownTickByTick) {
  TSWFlower& bloomer = BloomerWith("removepath\n", "[removepath]\ncooldown=5 5\n");
  TSWAbilityLink& link = LinkOf(bloomer);
  Put(1, 1, u"path", gaia);
  link.Fire();
  EXPECT_EQ(PercentsOverTicks(link, 6), (std::vector<int32_t>{100, 80, 60, 40, 20, 0, 0}));
  EXPECT_EQ(link.CooldownLeft(), 0);
}

TEST_F(AbilityLinkTest, RechargePercentRoundsTiesToEven) {
  TSWFlower& bloomer = BloomerWith("removepath=uncharged\n", "[removepath]\ncooldown=8 8\n");
  EXPECT_EQ(PercentsOverTicks(LinkOf(bloomer), 8),
            (std::vector<int32_t>{100, 88, 75, 62, 50, 38, 25, 12, 0}));
}

TEST_F(AbilityLinkTest, RechargePercentRoundsTheExactRatio) {
  TSWFlower& bloomer = BloomerWith("removepath=uncharged\n", "[removepath]\ncooldown=40 40\n");
  Tick(17);
  EXPECT_EQ(LinkOf(bloomer).CooldownLeft(), 23);
  EXPECT_EQ(LinkOf(bloomer).RechargePercent(), 58);
}

TEST_F(AbilityLinkTest, AutocastFiresOnTheFirstReadyTickAndRetriesAfterACancelWithoutRecharge) {
  TSWFlower& bloomer = BloomerWith("removepath=autocast uncharged\n");
  TSWAbilityLink& link = LinkOf(bloomer);
  events.Watch(link.Instance());
  Put(1, 1, u"path", gaia);

  Tick(2);
  EXPECT_TRUE(events.Names.empty());
  EXPECT_NE(At(1, 1, u"path"), nullptr);
  Tick();  // the countdown of 3 reaches 0
  EXPECT_EQ(events.Names, (Names{kEventFire, kEventEnd}));
  EXPECT_EQ(At(1, 1, u"path"), nullptr);
  EXPECT_EQ(link.RechargePercent(), 100);

  events.Names.clear();
  Tick(3);  // ready again, but nothing to remove
  EXPECT_EQ(events.Names, (Names{kEventFire, kEventCancel}));
  EXPECT_FALSE(link.IsRecharging());
  Tick();
  EXPECT_EQ(events.Names, (Names{kEventFire, kEventCancel, kEventFire, kEventCancel}));

  Put(1, 1, u"path", gaia);
  Tick();
  EXPECT_EQ(At(1, 1, u"path"), nullptr);
  EXPECT_TRUE(link.IsRecharging());
}

TEST_F(AbilityLinkTest, AutocastChangesOnlyOnAutocastableKindsAndOffStopsTheFiring) {
  TSWFlower& bloomer = BloomerWith("seed,bloomer\nremovepath\n");
  TSWAbilityLink& seed = LinkOf(bloomer, 0);
  seed.SetAutocast(true);
  EXPECT_FALSE(seed.Autocast());
  Tick();
  EXPECT_FALSE(seed.Instance().IsFiring());
  EXPECT_FALSE(map.Selecting());

  TSWAbilityLink& removePath = LinkOf(bloomer, 1);
  removePath.SetAutocast(true);
  removePath.SetAutocast(false);
  EXPECT_FALSE(removePath.Autocast());
  Put(1, 1, u"path", gaia);
  Tick();
  EXPECT_NE(At(1, 1, u"path"), nullptr);
}

TEST_F(AbilityLinkTest, AFireVetoedByTheRechargeLeavesTheInstanceIdleAndUncancelled) {
  TSWFlower& bloomer = BloomerWith("removepath=uncharged\n", "[removepath]\ncooldown=1 1\n");
  TSWAbilityLink& link = LinkOf(bloomer);
  events.Watch(link.Instance());
  Put(1, 1, u"path", gaia);

  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { link.Fire(); }),
            u"TSWAbility_RemovePath is recharching and cannot be fired.");
  EXPECT_FALSE(link.Instance().IsFiring());
  EXPECT_EQ(events.Names, (Names{kEventFire}));
  EXPECT_NE(At(1, 1, u"path"), nullptr);

  Tick();
  link.Fire();
  EXPECT_EQ(At(1, 1, u"path"), nullptr);
}

TEST_F(AbilityLinkTest, ACooldownOfZeroLeavesTheLinkReady) {
  TSWFlower& bloomer = BloomerWith("removepath=autocast\n", "[removepath]\ncooldown=0 0\n");
  TSWAbilityLink& link = LinkOf(bloomer);
  Put(1, 1, u"path", gaia);
  Tick();
  EXPECT_EQ(At(1, 1, u"path"), nullptr);
  EXPECT_EQ(link.CooldownTotal(), 0);
  EXPECT_EQ(link.RechargePercent(), 0);
  EXPECT_FALSE(link.IsRecharging());

  Put(1, 1, u"path", gaia);
  Tick();
  EXPECT_EQ(At(1, 1, u"path"), nullptr);
}

TEST_F(AbilityLinkTest, UnexpectedEventsAreRefused) {
  TSWAbilityLink& link = LinkOf(BloomerWith("removepath\n"));
  EXPECT_EQ(ErrorOf<EInvalidArgument>([&] { link.OnEvent(&config, kEventGameStart, nullptr); }),
            u"TSWAbilityLink.OnEvent didn't know how to handle game start.");
}

}  // namespace
