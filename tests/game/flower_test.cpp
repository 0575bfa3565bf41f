#include "game/flower.h"

#include <climits>

#include "config/event_hash.h"
#include "config/event_names.h"
#include "game/ability_link.h"
#include "game/ability_list.h"
#include "game/tick_list.h"
#include "map/board_fixture.h"
#include "support/test_player.h"

namespace {

// A player of a class derived from TSWPlayer.
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
  TOwned<TSWFlower> Loaded(const char16_t* name) {
    TOwned<TSWFlower> flower(static_cast<TSWFlower*>(NewFlower<TSWFlower>(&slots, player.get())));
    flower->LoadFrom({name});
    return flower;
  }

  // A "testbloom" in the slots, its level changes recorded.
  TSWFlower& AddedBloom() {
    slots.Add(u"testbloom", player.get());
    config.Events().AddHandler(kEventFlowerLevelUp, log.Handler());
    slots.Cell().SubscribeSlotLevelUp(log.Handler());
    return *slots.Find(u"flower");
  }

  void Tick(int count) {
    for (int i = 0; i < count; ++i) {
      config.SetTicks(config.Ticks() + 1);
      config.Events().RaiseEvent(kEventTick, nullptr);
    }
  }

  int TickHandlers() {
    const TEventHash& events = config.Events();
    for (int i = 0; i < events.Count(); ++i)
      if (events.Strings(i) == kEventTick) return events.HandlerCount(i);
    return 0;
  }

  static std::vector<TLoggedEvent> LevelUp(const TSWFlower& flower) {
    return {{kEventFlowerLevelUp, &flower}, {kEventSlotLevelUp, &flower}};
  }

  static std::vector<WideString> AbilityNames(const TSWFlower& flower) {
    std::vector<WideString> names;
    for (int i = 0; i < flower.Abilities().Count(); ++i)
      names.push_back(flower.Abilities().Links(i)->Name());
    return names;
  }

  TSWMapCellSlots& slots;
};

TEST_F(FlowerTest, TheFactoryChecksThePlayerAndRunsInit) {
  HumanPlayer human;
  TOwned<TSWFlower> flower(static_cast<TSWFlower*>(NewFlower<SideBySideFlower>(&slots, &human)));
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

  TOwned<TSWFlower> bloom = Loaded(u"bloom");
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
  config.Events().AddHandler(kEventFlowerDied, log.Handler());
  log.Events.clear();

  bloom->Damage(9);
  EXPECT_EQ(bloom->HP(), 1);
  EXPECT_TRUE(log.Events.empty());
  bloom->Damage(1);
  EXPECT_EQ(log.Events,
            (std::vector<TLoggedEvent>{{kEventFlowerDied, bloom}, {kEventSlotDelete, bloom}}));
  EXPECT_TRUE(slots.IsFree(u"flower"));
  EXPECT_EQ(TestFlower::Alive, 0);
}

// Area damage hands an object all the hits of one cell at once.
TEST_F(FlowerTest, ManyHitsAtOnceEndAsTheSameHitsOneByOne) {
  DeathWitness witness;
  config.Events().AddHandler(kEventFlowerDied,
                             TSWEventHandler::Of<&DeathWitness::OnDied>(&witness));
  for (const int32_t hp : {1, 7, 100, -5, INT_MAX, INT_MIN + 3})
    for (const int32_t amount : {3, 1, 0, -4, INT_MAX, INT_MIN})
      for (const int64_t hits : {1, 2, 5, 40}) {
        TOwned<TSWFlower> together = Loaded(u"plain");
        TOwned<TSWFlower> oneByOne = Loaded(u"plain");
        together->ExchangeHP(hp);
        oneByOne->ExchangeHP(hp);
        witness.Reason = u"alive";
        together->TakeHits(amount, hits);
        const bool diedTogether = witness.Reason.empty();
        for (int64_t hit = 0; hit < hits; ++hit) {
          oneByOne->Damage(amount);
          if (oneByOne->HP() < 1) break;  // dead: a dead object takes no more hits
        }
        const bool diesOneByOne = oneByOne->HP() < 1;
        EXPECT_EQ(together->HP(), oneByOne->HP()) << hp << " hit " << hits << "x " << amount;
        EXPECT_EQ(diedTogether, diesOneByOne) << hp << " hit " << hits << "x " << amount;
      }
}

TEST_F(FlowerTest, HitPointsStopAtTheEndsOfTheirRange) {
  TOwned<TSWFlower> bloom = Loaded(u"plain");
  bloom->ExchangeHP(INT_MAX - 1);
  EXPECT_EQ(bloom->AddHP(INT_MAX), INT_MAX);
  bloom->Damage(INT_MIN);
  EXPECT_EQ(bloom->HP(), INT_MAX);
  bloom->ExchangeHP(1);
  bloom->TakeHits(-1, kEnoughHits);
  EXPECT_EQ(bloom->HP(), INT_MAX);
  bloom->TakeHits(1, kEnoughHits);
  EXPECT_EQ(bloom->HP(), 0) << "the hit that leaves none is the last";
  bloom->ExchangeHP(INT_MIN + 1);
  EXPECT_EQ(bloom->AddHP(-5), INT_MIN);
  bloom->ExchangeHP(INT_MAX);
  EXPECT_EQ(bloom->HPPercent(), INT_MAX) << "HP far above MaxHP";
}

TEST_F(FlowerTest, TheReasonOfADeathIsKnownWhenItIsAnnounced) {
  DeathWitness witness;
  config.Events().AddHandler(kEventFlowerDied,
                             TSWEventHandler::Of<&DeathWitness::OnDied>(&witness));
  slots.Add(u"testbloom", player.get());
  slots.Find(u"flower")->Die(u"bad soil for seed");
  EXPECT_EQ(witness.Reason, u"rip: bad soil for seed");

  slots.Add(u"testbloom", player.get());
  slots.Find(u"flower")->Die();
  EXPECT_EQ(witness.Reason, u"");
}

TEST_F(FlowerTest, HitPointPercentagesRoundToEvenAndStayAboveZero) {
  folder.WriteFile("objects.ini",
                   "[three]\nHP=3\n[twohundred]\nHP=200\n[forty]\nHP=40\n[none]\nHP=0\n");
  TOwned<TSWFlower> three = Loaded(u"three");
  EXPECT_EQ(three->HPPercent(), 100);
  three->ExchangeHP(1);
  EXPECT_EQ(three->HPPercent(), 33);
  three->ExchangeHP(-2);
  EXPECT_EQ(three->HPPercent(), 0);
  TOwned<TSWFlower> twoHundred = Loaded(u"twohundred");
  twoHundred->ExchangeHP(1);
  EXPECT_EQ(twoHundred->HPPercent(), 0);
  twoHundred->ExchangeHP(3);
  EXPECT_EQ(twoHundred->HPPercent(), 2);
  TOwned<TSWFlower> forty = Loaded(u"forty");
  forty->ExchangeHP(23);
  EXPECT_EQ(forty->HPPercent(), 58);  // 23 / 40 is 0.575, which no binary fraction holds
  EXPECT_EQ(Loaded(u"none")->HPPercent(), 0);
}

TEST_F(FlowerTest, ALevelOfNoTicksOrFewerPassesAtTheNextTick) {
  folder.WriteFile("objects.ini", "[testbloom levels]\n0 1m\n-2147483648 1m\n5 2m\n");
  TSWFlower& bloom = AddedBloom();
  Tick(1);
  EXPECT_EQ(bloom.Level(), 1);
  EXPECT_EQ(bloom.TicksLeft(), INT_MIN);
  Tick(1);
  EXPECT_EQ(bloom.Level(), 2);
  EXPECT_EQ(bloom.TicksLeft(), 5);
}

TEST_F(FlowerTest, CaptionsAreLanguageStrings) {
  TOwned<TSWFlower> bloom = Loaded(u"testbloom");
  EXPECT_EQ(bloom->GetCaption(), u"A bloom");
  EXPECT_EQ(bloom->GetCaption(u"weed"), u"A weed");
  EXPECT_EQ(ErrorOf<EResNotFound>([&] { bloom->GetCaption(u"nosuch"); }),
            u"No language string with name \"flower: nosuch\" found.");
}

TEST_F(FlowerTest, LevelsRiseAfterTheirTurnCountsAndStopAtTheLast) {
  folder.WriteFile("objects.ini", "[testbloom levels]\n3 1m\n5 2m\n");
  TSWFlower& bloom = AddedBloom();
  EXPECT_EQ(bloom.Level(), 0);
  EXPECT_EQ(bloom.TicksLeft(), 3);

  Tick(2);
  EXPECT_EQ(bloom.Level(), 0);
  EXPECT_EQ(bloom.TicksLeft(), 1);
  EXPECT_TRUE(log.Events.empty());
  Tick(1);
  EXPECT_EQ(bloom.Level(), 1);
  EXPECT_EQ(bloom.TicksLeft(), 5);
  EXPECT_EQ(log.Events, LevelUp(bloom));

  Tick(4);
  EXPECT_EQ(bloom.Level(), 1);
  EXPECT_FALSE(bloom.AtMaxLevel());
  Tick(1);
  EXPECT_EQ(bloom.Level(), 2);
  EXPECT_TRUE(bloom.AtMaxLevel());
  Tick(100);
  EXPECT_EQ(bloom.Level(), 2);
  EXPECT_EQ(log.Events.size(), 4u);
}

TEST_F(FlowerTest, InRealTimeLevelsLastTheirDurations) {
  folder.WriteFile("objects.ini", "[testbloom levels]\n3 1m\n5 2m\n");
  config.SetTickMode(tmRealTime);
  TSWFlower& bloom = AddedBloom();
  EXPECT_EQ(bloom.LevelTicks().TickMode(), tmRealTime);
  Tick(59);
  EXPECT_EQ(bloom.Level(), 0);
  Tick(1);
  EXPECT_EQ(bloom.Level(), 1);
  Tick(119);
  EXPECT_EQ(bloom.Level(), 1);
  Tick(1);
  EXPECT_EQ(bloom.Level(), 2);
  Tick(500);
  EXPECT_EQ(bloom.Level(), 2);
}

TEST_F(FlowerTest, WithoutALevelsSectionAnObjectStaysAtLevelZero) {
  TSWFlower& bloom = AddedBloom();
  EXPECT_TRUE(bloom.AtMaxLevel());
  EXPECT_EQ(bloom.TicksLeft(), 0);
  Tick(100);
  EXPECT_EQ(bloom.Level(), 0);
  EXPECT_TRUE(log.Events.empty());
}

TEST_F(FlowerTest, TheLevelsComeFromTheFirstFileWithTheSection) {
  folder.WriteFile("objects.ini", "[testbloom levels]\n3 3\n4 4\n");
  UseMapFile("levels", "[testbloom levels]\n7 7\n");
  TSWFlower& bloom = AddedBloom();
  EXPECT_EQ(bloom.LevelTicks().Count(), 1);
  EXPECT_EQ(bloom.TicksLeft(), 7);
}

TEST_F(FlowerTest, OnlyARiseInLevelIsAnnounced) {
  folder.WriteFile("objects.ini", "[testbloom levels]\n3 1m\n5 2m\n8 3m\n");
  TSWFlower& bloom = AddedBloom();
  bloom.SetLevel(0);
  EXPECT_TRUE(log.Events.empty());
  bloom.SetLevel(2);
  EXPECT_EQ(bloom.TicksLeft(), 8);
  EXPECT_EQ(log.Events, LevelUp(bloom));
  bloom.SetLevel(1);
  EXPECT_EQ(bloom.Level(), 1);
  EXPECT_EQ(bloom.TicksLeft(), 5);
  EXPECT_EQ(log.Events.size(), 2u);
}

TEST_F(FlowerTest, AnUnreadableLevelLineFailsTheLoading) {
  folder.WriteFile("objects.ini", "[testbloom levels]\n3 1m\nsoon later\n");
  EXPECT_EQ(
      ErrorOf<EConvertError>([&] { slots.Add(u"testbloom", player.get()); }),
      u"Couldn't load level ticks from [testbloom levels] because soon later wasn't a number.");
  EXPECT_TRUE(slots.IsFree(u"flower"));
  EXPECT_EQ(TestFlower::Alive, 0);
}

TEST_F(FlowerTest, ALevelWithItsOwnAbilitiesSectionReplacesTheAbilitiesOthersKeepThem) {
  folder.WriteFile("objects.ini",
                   "[testbloom levels]\n1 1\n1 1\n1 1\n1 1\n"
                   "[testbloom abilities at 1]\nprobe,a\n"
                   "[testbloom abilities at 3]\nprobe,c\nprobe,d\n"
                   "[testbloom abilities at 4]\nprobe,e\n");
  UseMapFile("abilities", "[testbloom abilities at 4]\nprobe,map\n");
  TSWFlower& bloom = AddedBloom();
  EXPECT_EQ(AbilityNames(bloom), std::vector<WideString>{u"probe,a"});
  const TSWAbilityLink* first = bloom.Abilities().Links(0);

  Tick(1);
  EXPECT_EQ(bloom.Level(), 1);
  EXPECT_EQ(bloom.Abilities().Links(0), first);
  Tick(1);
  EXPECT_EQ(AbilityNames(bloom), (std::vector<WideString>{u"probe,c", u"probe,d"}));
  EXPECT_EQ(bloom.Abilities().Links(0)->Flower(), &bloom);
  Tick(1);
  EXPECT_EQ(AbilityNames(bloom), std::vector<WideString>{u"probe,map"});
}

TEST_F(FlowerTest, TheAbilitiesGoBeforeTheObjectAnnouncesItsEnd) {
  folder.WriteFile("objects.ini", "[testbloom abilities at 1]\nprobe,a\n");
  const int ticking = TickHandlers();
  TSWFlower& bloom = AddedBloom();
  EXPECT_EQ(TickHandlers(), ticking + 1);
  TSWAbilityLink* link = bloom.Abilities().Links(0);
  link->Subscribe(kEventFree, log.Handler());
  bloom.Subscribe(kEventFree, log.Handler());

  bloom.Die();
  EXPECT_EQ(log.Events, (std::vector<TLoggedEvent>{{kEventFree, link}, {kEventFree, &bloom}}));
  EXPECT_EQ(TickHandlers(), ticking);
}

}  // namespace
