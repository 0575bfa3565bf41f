// A turn of play with an ability from start to finish: a flower fires its seed ability, the
// player picks the target cell on the map, the seed grows and sprouts, the ability recharges
// and fires again.
#include <gtest/gtest.h>

#include "config/event_hash.h"
#include "config/event_names.h"
#include "game/ability_fixture.h"
#include "game/ability_kinds.h"
#include "game/ability_list.h"
#include "game/flower_seed.h"
#include "map/map_cell_slots.h"

namespace {

class Grown : public TObject {
 public:
  void OnEvent(TSWConfig* /*sender*/, const WideString& /*eventName*/, TObject* /*arg*/) {
    ++Count;
  }
  int Count = 0;
};

TEST_F(AbilityTest, AFlowerPlantsASeedThatSproutsAndItsAbilityRechargesAndFiresAgain) {
  StartGame(3, 3, "[Objects of Player1]\n1:1=bloomer\n[seed]\ncooldown=2 2\n");
  Grown grown;
  config.Events().AddHandler(kEventFlowerGrown, TSWEventHandler::Of<&Grown::OnEvent>(&grown));
  GiveMana(player1, 10);
  TSWFlower* bloomer = At(1, 1, u"flower");
  ASSERT_NE(bloomer, nullptr);
  TSWAbilityLink& link = LinkOf(*bloomer);
  ASSERT_EQ(link.Name(), u"seed,bloomer");
  ASSERT_FALSE(link.IsRecharging());

  link.Fire();
  EXPECT_EQ(player1.Mana(), 7);
  ClickCell(1, 1);  // the firer's own cell is refused
  ClickCell(2, 1);
  EXPECT_FALSE(map.Selecting());
  const auto* seed = As<TSWFlower_Seed>(At(2, 1, u"flower"));
  ASSERT_NE(seed, nullptr);
  EXPECT_EQ(seed->Player(), &player1);
  EXPECT_EQ(link.RechargePercent(), 100);

  Tick();  // HP 1 + 50
  EXPECT_EQ(link.RechargePercent(), 50);
  EXPECT_NE(As<TSWFlower_Seed>(At(2, 1, u"flower")), nullptr);
  Tick();  // 101 of 100: the bloomer sprouts, and the recharge is over
  EXPECT_EQ(grown.Count, 1);
  TSWFlower* sprouted = At(2, 1, u"flower");
  ASSERT_NE(sprouted, nullptr);
  EXPECT_EQ(sprouted->ClassName(), u"TSWFlower_Bloomer");
  EXPECT_EQ(sprouted->Player(), &player1);
  EXPECT_FALSE(link.IsRecharging());

  link.Fire();
  EXPECT_EQ(player1.Mana(), 4);
  ClickCell(0, 0);
  EXPECT_NE(As<TSWFlower_Seed>(At(0, 0, u"flower")), nullptr);
  EXPECT_TRUE(link.IsRecharging());
}

}  // namespace
