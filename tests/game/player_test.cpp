#include "game/player.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <thread>

#include "config/data_folder_fixture.h"
#include "config/event_names.h"

namespace {

class PlayerTest : public DataFolderTest {
 protected:
  PlayerTest() {
    folder.WriteFile("lang.ini", "[Strings]\nplayer: Gaia=Mother Earth\n");
    UseStore();
    gaia.SetPlayerName(u"Gaia");
    gaia.SetConfig(&config);
  }

  void Tick() { config.Events().RaiseEvent(kEventTick, nullptr); }
  int TickHandlers() {
    const TEventHash& events = config.Events();
    for (int i = 0; i < events.Count(); ++i)
      if (events.Strings(i) == kEventTick) return events.HandlerCount(i);
    return 0;
  }
  void Contribute(const TObject& provider, const char16_t* bonus, int32_t value) {
    config.Bonuses().SetBonus(&gaia, bonus, value, &provider);
  }

  TSWPlayer gaia;
  TObject melly1, melly2, oracle;
};

}  // namespace

TEST_F(PlayerTest, ANewPlayerHasNoManaBasicInsightAndNoIncome) {
  TSWPlayer player;
  EXPECT_EQ(player.Mana(), 0);
  EXPECT_EQ(player.BaseInsight(), piBasic);
  EXPECT_EQ(player.Insight(), piBasic);
  EXPECT_EQ(player.ManaPerTick(), 0);

  player.SetPlayerName(u"Player1");
  player.SetConfig(&config);
  Tick();
  EXPECT_EQ(player.Mana(), 0);
  EXPECT_EQ(player.Insight(), piBasic);
  EXPECT_EQ(player.GetCaption(), u"Player1");
  EXPECT_EQ(gaia.GetCaption(), u"Mother Earth");
}

TEST_F(PlayerTest, ManaGrowsEachTickByTheSumOfTheManaBonuses) {
  Contribute(melly1, u"ManaPerTick", 3);
  Contribute(melly2, u"ManaPerTick", 5);
  EXPECT_EQ(gaia.ManaPerTick(), 8);
  Tick();
  EXPECT_EQ(gaia.Mana(), 8);

  config.Bonuses().RemoveProvider(&melly1);
  Tick();
  EXPECT_EQ(gaia.Mana(), 13);
}

TEST_F(PlayerTest, ManaStopsAtTheLargest32BitValue) {
  Contribute(melly1, u"ManaPerTick", INT_MAX);
  Contribute(melly2, u"ManaPerTick", INT_MAX);
  EXPECT_EQ(gaia.ManaPerTick(), INT_MAX);
  Tick();
  Tick();
  EXPECT_EQ(gaia.Mana(), INT_MAX);
}

TEST_F(PlayerTest, InsightIsTheBetterOfTheBaseAndTheHighestBonus) {
  gaia.SetBaseInsight(piNone);
  EXPECT_EQ(gaia.Insight(), piNone);
  Contribute(oracle, u"Insight", 2);
  EXPECT_EQ(gaia.Insight(), piHP);
  gaia.SetBaseInsight(piFull);
  EXPECT_EQ(gaia.Insight(), piFull);
  // Bonus data beyond the top level still gives a value of the enumeration.
  Contribute(oracle, u"Insight", 300);
  EXPECT_EQ(gaia.Insight(), piCoOwner);
}

TEST_F(PlayerTest, RenamingReregistersUnderTheNewNameAndTicksOnce) {
  Contribute(melly1, u"ManaPerTick", 1);
  gaia.SetPlayerName(u"Terra");
  EXPECT_EQ(config.Players().Find(u"Gaia"), nullptr);
  EXPECT_EQ(config.Players().Find(u"Terra"), &gaia);
  EXPECT_EQ(config.Players().Count(), 1);
  EXPECT_EQ(TickHandlers(), 1);
  Tick();
  EXPECT_EQ(gaia.Mana(), 1);
}

TEST_F(PlayerTest, LeavingAStoreTakesTheEntryAndTheTickHandlerAlong) {
  TSWConfig other;
  gaia.SetConfig(&other);
  EXPECT_EQ(config.Players().Count(), 0);
  EXPECT_EQ(TickHandlers(), 0);
  EXPECT_EQ(other.Players().Find(u"Gaia"), &gaia);

  {
    TSWPlayer guest;
    guest.SetPlayerName(u"Guest");
    guest.SetConfig(&config);
    EXPECT_EQ(TickHandlers(), 1);
  }
  EXPECT_EQ(config.Players().Count(), 0);
  EXPECT_EQ(TickHandlers(), 0);
  Tick();

  auto store = std::make_unique<TSWConfig>();
  TSWPlayer orphan;
  orphan.SetConfig(store.get());
  store.reset();
  EXPECT_EQ(orphan.Config(), nullptr);
}

TEST_F(PlayerTest, APlayerLeavingKeepsTheEntryOfAnotherPlayerOfTheSameName) {
  TSWPlayer twin;
  twin.SetPlayerName(u"Gaia");
  twin.SetConfig(&config);
  gaia.SetPlayerName(u"Terra");
  EXPECT_EQ(config.Players().Find(u"Gaia"), &twin);
  EXPECT_EQ(config.Players().Find(u"Terra"), &gaia);
}

TEST_F(PlayerTest, SpendingNeverOverdrawsThePool) {
  Contribute(melly1, u"ManaPerTick", 5);
  Tick();
  int32_t before = -1;
  EXPECT_FALSE(gaia.TrySpendMana(7, before));
  EXPECT_EQ(before, 5);
  EXPECT_EQ(gaia.Mana(), 5);
  EXPECT_TRUE(gaia.TrySpendMana(3, before));
  EXPECT_EQ(before, 5);
  EXPECT_EQ(gaia.Mana(), 2);
}

TEST_F(PlayerTest, ConcurrentIncomeAndSpendingLoseNothing) {
  Contribute(melly1, u"ManaPerTick", 2);
  constexpr int kTicks = 100000;
  constexpr int kPayments = 100000;
  int paid = 0;
  std::thread spender([&] {
    int32_t before = 0;
    for (int i = 0; i < kPayments; ++i) paid += gaia.TrySpendMana(1, before) ? 1 : 0;
  });
  for (int i = 0; i < kTicks; ++i) Tick();
  spender.join();
  EXPECT_EQ(gaia.Mana(), 2 * kTicks - paid);
  EXPECT_GE(gaia.Mana(), 0);
}
