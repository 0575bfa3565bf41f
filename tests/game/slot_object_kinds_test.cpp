#include "game/slot_object_kinds.h"

#include "game/objects_fixture.h"

namespace {

class SlotObjectKindsTest : public ObjectsTest {
 protected:
  SlotObjectKindsTest() {
    folder.WriteFile("objects.ini",
                     "[melly]\nManaPerTick=3 4\n"
                     "[oracle levels]\n1 1\n1 1\n1 1\n1 1\n1 1\n");
  }

  TSWMapCellSlots& slots = SlotsAt(3, 3);
};

TEST_F(SlotObjectKindsTest, AMellyFeedsItsOwnerFromItsCreationUntilItDies) {
  EXPECT_EQ(owner.ManaPerTick(), 0);
  slots.Add(u"melly", &owner);
  EXPECT_EQ(owner.ManaPerTick(), 3);
  Tick(2);
  EXPECT_EQ(owner.Mana(), 6);

  slots.Find(u"flower")->Die();
  EXPECT_EQ(owner.ManaPerTick(), 0);
  Tick(1);
  EXPECT_EQ(owner.Mana(), 6);
}

TEST_F(SlotObjectKindsTest, AMellyFeedsOnlyItsOwnOwner) {
  TSWPlayer stranger;
  stranger.SetPlayerName(u"Stranger");
  stranger.SetConfig(&config);
  SlotsAt(1, 1).Add(u"melly", &stranger);
  slots.Add(u"melly", &owner);
  EXPECT_EQ(owner.ManaPerTick(), 3);
  EXPECT_EQ(stranger.ManaPerTick(), 3);
  SlotsAt(1, 1).Remove(u"");
  EXPECT_EQ(owner.ManaPerTick(), 3);
  EXPECT_EQ(stranger.ManaPerTick(), 0);
}

TEST_F(SlotObjectKindsTest, AnOracleRaisesInsightWithItsLevelUpToFull) {
  EXPECT_EQ(owner.Insight(), piBasic);
  slots.Add(u"oracle", &owner);
  TSWFlower& oracle = *slots.Find(u"flower");
  EXPECT_EQ(owner.Insight(), piHP);
  Tick(1);
  EXPECT_EQ(oracle.Level(), 1);
  EXPECT_EQ(owner.Insight(), piStats);
  Tick(1);
  EXPECT_EQ(owner.Insight(), piFull);
  Tick(3);
  EXPECT_EQ(oracle.Level(), 5);
  EXPECT_EQ(owner.Insight(), piFull);

  oracle.Die();
  EXPECT_EQ(owner.Insight(), piBasic);
}

}  // namespace
