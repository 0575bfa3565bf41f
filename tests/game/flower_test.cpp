#include "game/flower.h"

#include "map/board_fixture.h"
#include "support/test_player.h"

namespace {

// A player of a class derived from the one named TSWPlayer.
class HumanPlayer : public TestPlayer {
 public:
  static const TClass& StaticClass() {
    static const TClass info{u"TSWHumanPlayer", &TestPlayer::StaticClass()};
    return info;
  }
  const TClass& ClassType() const override { return StaticClass(); }
};

// Its Init lays it out side by side, which only a factory that runs Init can show.
class SideBySideFlower : public TSWFlower {
 public:
  using TSWFlower::TSWFlower;
  void Init() override {
    TSWFlower::Init();
    sideBySide_ = true;
  }
};

class DeathWitness : public TObject {
 public:
  void OnDied(TSWConfig* /*sender*/, const WideString& /*eventName*/, TObject* arg) {
    Reason = static_cast<TSWFlower*>(arg)->DeathReason();
  }
  WideString Reason;
};

class FlowerTest : public BoardTest {
 protected:
  FlowerTest() : slots(CellAt(3, 3).Slots()) {}

  // A flower loaded from the section `name`, not put into the slots.
  std::unique_ptr<TSWFlower> Loaded(const char16_t* name) {
    std::unique_ptr<TSWFlower> flower(NewFlower<TSWFlower>(&slots, player.get()));
    flower->LoadFrom({name});
    return flower;
  }

  TSWMapCellSlots& slots;
};

TEST_F(FlowerTest, TheFactoryChecksThePlayerAndRunsInit) {
  HumanPlayer human;
  std::unique_ptr<TSWFlower> flower(NewFlower<SideBySideFlower>(&slots, &human));
  EXPECT_EQ(flower->Player(), &human);
  EXPECT_EQ(&flower->Slots(), &slots);
  EXPECT_TRUE(flower->SideBySide());
  EXPECT_EQ(flower->Level(), 0);

  TObject stranger;
  EXPECT_EQ(ErrorOf<EComponentError>([&] { NewFlower<SideBySideFlower>(&slots, &stranger); }),
            u"Flower must be created with a TSWPlayer Player.");
}

TEST_F(FlowerTest, LoadingReadsHitPointsAndManaForTheTickMode) {
  folder.WriteFile("objects.ini",
                   "[bloom]\nHP=50\nManaPerTick=2 5\n"
                   "[greedy]\nManaPerTick=-3 -4\n"
                   "[plain]\nColour=red\n");
  UseMapFile("override", "[Bloom]\nHP=70\n");

  std::unique_ptr<TSWFlower> bloom = Loaded(u"bloom");
  EXPECT_EQ(bloom->Name(), u"bloom");
  EXPECT_EQ(bloom->GetKind(), u"bloom");
  EXPECT_EQ(bloom->PaintOrder(), 0);
  EXPECT_EQ(bloom->HP(), 70);
  EXPECT_EQ(bloom->MaxHP(), 70);
  EXPECT_EQ(bloom->ManaPerTick(), 2);
  EXPECT_EQ(Loaded(u"greedy")->ManaPerTick(), 0);
  EXPECT_EQ(Loaded(u"plain")->HP(), 100);
  EXPECT_EQ(Loaded(u"plain")->ManaPerTick(), 0);

  config.SetTickMode(tmRealTime);
  EXPECT_EQ(Loaded(u"bloom")->ManaPerTick(), 5);
  EXPECT_EQ(ErrorOf<EListError>([&] { bloom->LoadFrom({}); }),
            u"TSWFlower.LoadFrom() was passed empty Params.");
}

TEST_F(FlowerTest, DamageBelowOneKillsAndTheDeathIsAnnouncedBeforeTheSlotGoes) {
  folder.WriteFile("objects.ini", "[testbloom]\nHP=10\n");
  slots.Add(u"testbloom", player.get());
  TSWFlower* bloom = slots.Find(u"flower");
  log.Watch(slots.Cell());
  config.Events().AddHandler(u"flower died", log.Handler());
  log.Events.clear();

  bloom->Damage(9);
  EXPECT_EQ(bloom->HP(), 1);
  EXPECT_TRUE(log.Events.empty());
  bloom->Damage(1);
  EXPECT_EQ(log.Events,
            (std::vector<TLoggedEvent>{{u"flower died", bloom}, {u"slot delete", bloom}}));
  EXPECT_TRUE(slots.IsFree(u"flower"));
  EXPECT_EQ(TestFlower::Alive, 0);
}

TEST_F(FlowerTest, TheReasonOfADeathIsKnownWhenItIsAnnounced) {
  DeathWitness witness;
  config.Events().AddHandler(u"flower died", TSWEventHandler::Of<&DeathWitness::OnDied>(&witness));
  slots.Add(u"testbloom", player.get());
  slots.Find(u"flower")->Die(u"bad soil for seed");
  EXPECT_EQ(witness.Reason, u"rip: bad soil for seed");

  slots.Add(u"testbloom", player.get());
  slots.Find(u"flower")->Die();
  EXPECT_EQ(witness.Reason, u"");
}

TEST_F(FlowerTest, HitPointPercentagesRoundToEvenAndStayAboveZero) {
  folder.WriteFile("objects.ini", "[three]\nHP=3\n[twohundred]\nHP=200\n[none]\nHP=0\n");
  std::unique_ptr<TSWFlower> three = Loaded(u"three");
  EXPECT_EQ(three->HPPercent(), 100);
  three->ExchangeHP(1);
  EXPECT_EQ(three->HPPercent(), 33);
  three->ExchangeHP(-2);
  EXPECT_EQ(three->HPPercent(), 0);
  std::unique_ptr<TSWFlower> twoHundred = Loaded(u"twohundred");
  twoHundred->ExchangeHP(1);
  EXPECT_EQ(twoHundred->HPPercent(), 0);
  twoHundred->ExchangeHP(3);
  EXPECT_EQ(twoHundred->HPPercent(), 2);
  EXPECT_EQ(Loaded(u"none")->HPPercent(), 0);
}

TEST_F(FlowerTest, CaptionsAreLanguageStrings) {
  std::unique_ptr<TSWFlower> bloom = Loaded(u"testbloom");
  EXPECT_EQ(bloom->GetCaption(), u"A bloom");
  EXPECT_EQ(bloom->GetCaption(u"weed"), u"A weed");
  EXPECT_EQ(ErrorOf<EResNotFound>([&] { bloom->GetCaption(u"nosuch"); }),
            u"No language string with name \"flower: nosuch\" found.");
}

}  // namespace
