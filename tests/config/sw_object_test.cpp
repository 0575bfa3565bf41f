#include "config/sw_object.h"

#include <memory>
#include <vector>

#include "config/abilities.h"
#include "config/event_hash.h"
#include "config/event_names.h"
#include "config/object_factory.h"
#include "data_folder_fixture.h"
#include "test_kinds.h"

namespace {

// A game object that belongs to the store it was made with.
class Critter : public TSWObject {
  SW_CLASS(Critter)

 public:
  Critter(TSWConfig* config, WideString label) : Label(std::move(label)), config_(config) {}
  TSWConfig* GetConfig() const override { return config_; }
  void OnTick(TSWConfig*, const WideString&, TObject*) {}

  TSWEventHandler TickHandler() { return TSWEventHandler::Of<&Critter::OnTick>(this); }

  WideString Label;

 private:
  TSWConfig* config_;
};

SW_CLASS_DEFINE(Critter, TSWObject)

// Records what the "free" handler of a critter could still see.
struct FreeWitness : TObject {
  void OnFree(TSWConfig* sender, const WideString& eventName, TObject* arg) {
    Sender = sender;
    EventName = eventName;
    Critter* critter = static_cast<Critter*>(arg);
    Label = critter->Label;
    TickHandlerRegistered =
        sender->Events().IndexOfHandler(kEventTick, critter->TickHandler()) >= 0;
    Bonus = sender->Bonuses().BonusSum(Target, u"ManaPerTick", -1);
  }

  TSWConfig* Sender = nullptr;
  WideString EventName;
  WideString Label;
  bool TickHandlerRegistered = false;
  int Bonus = 0;
  const TObject* Target = nullptr;
};

using SwObjectTest = DataFolderTest;

TEST_F(SwObjectTest, FreeIsRaisedWithTheWholeObjectBeforeItsHandlersAndBonusesGo) {
  FreeWitness witness;
  TObject target;
  witness.Target = &target;
  auto* critter = new Critter(&config, u"bloomer");
  config.Events().AddHandler(kEventTick, critter->TickHandler());
  critter->Subscribe(kEventFree, TSWEventHandler::Of<&FreeWitness::OnFree>(&witness));
  config.Bonuses().SetBonus(&target, u"ManaPerTick", 4, critter);
  const WideString freeKey = ObjectToken(critter) + u"=free";

  // Released through the object's root class, as an owning object hash does.
  FreeObject(static_cast<TObject*>(critter));

  EXPECT_EQ(witness.Sender, &config);
  EXPECT_EQ(witness.EventName, freeKey);
  EXPECT_EQ(witness.Label, u"bloomer");
  EXPECT_TRUE(witness.TickHandlerRegistered);
  EXPECT_EQ(witness.Bonus, 4);
  EXPECT_EQ(config.Events().HandlerCount(0), 0);
  for (int i = 0; i < config.Events().Count(); ++i) EXPECT_NE(config.Events().Strings(i), freeKey);
  EXPECT_EQ(config.Bonuses().BonusSum(&target, u"ManaPerTick", -1), 0);
}

TEST_F(SwObjectTest, RaiseEventPassesTheObjectWhenNoArgumentIsGiven) {
  struct Catcher : TObject {
    void On(TSWConfig*, const WideString& eventName, TObject* arg) {
      Seen.push_back({eventName, arg});
    }
    std::vector<std::pair<WideString, TObject*>> Seen;
  } catcher;
  auto critter = MakeOwned<Critter>(&config, u"weed");
  TObject other;
  critter->Subscribe(kEventSlotAdd, TSWEventHandler::Of<&Catcher::On>(&catcher));
  critter->RaiseEvent(kEventSlotAdd);
  critter->RaiseEvent(kEventSlotAdd, &other);
  config.Events().RaiseEvent(kEventSlotAdd, &other);
  const WideString key = ObjectToken(critter.get()) + u"=slot add";
  ASSERT_EQ(catcher.Seen.size(), 2u);
  EXPECT_EQ(catcher.Seen[0], std::make_pair(key, static_cast<TObject*>(critter.get())));
  EXPECT_EQ(catcher.Seen[1], std::make_pair(key, &other));
}

// A "free" handler that refuses, and the critters it saw go.
struct FreeRefuser : TObject {
  void OnFree(TSWConfig*, const WideString&, TObject* arg) {
    Freed.push_back(static_cast<Critter*>(arg)->Label);
    Raise<EInvalidOperation>(u"%s may not go.", {Freed.back()});
  }
  std::vector<WideString> Freed;
};

TEST_F(SwObjectTest, AFailingFreeHandlerReachesTheReleaserOnceTheObjectIsGone) {
  FreeRefuser refuser;
  TObject target;
  TObjectHash owner;
  const auto add = [&](const char16_t* label) {
    Critter& critter = owner.AddOwned(label, MakeOwned<Critter>(&config, label));
    config.Events().AddHandler(kEventTick, critter.TickHandler());
    critter.Subscribe(kEventFree, TSWEventHandler::Of<&FreeRefuser::OnFree>(&refuser));
    config.Bonuses().SetBonus(&target, u"ManaPerTick", 4, &critter);
  };
  const auto nothingLeft = [&] {
    for (int i = 0; i < config.Events().Count(); ++i) EXPECT_EQ(config.Events().HandlerCount(i), 0);
    EXPECT_EQ(config.Bonuses().BonusSum(&target, u"ManaPerTick", -1), 0);
  };

  add(u"first");
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { owner.Delete(0); }), u"first may not go.");
  EXPECT_EQ(owner.Count(), 0);
  nothingLeft();

  // Every object goes, and the first failure is the one passed on.
  add(u"second");
  add(u"third");
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { owner.Clear(); }), u"second may not go.");
  EXPECT_EQ(refuser.Freed, (std::vector<WideString>{u"first", u"second", u"third"}));
  nothingLeft();

  // A destructor cannot pass it on: it is kept for whoever can report it.
  {
    TObjectHash dying;
    Critter& critter = dying.AddOwned(u"fourth", MakeOwned<Critter>(&config, u"fourth"));
    critter.Subscribe(kEventFree, TSWEventHandler::Of<&FreeRefuser::OnFree>(&refuser));
  }
  EXPECT_EQ(ErrorOf<EInvalidOperation>([] { std::rethrow_exception(TakeDeferredError()); }),
            u"fourth may not go.");
  EXPECT_EQ(TakeDeferredError(), nullptr);
  nothingLeft();
}

TEST(SwObjectWithoutStoreTest, RaisesNothingAndCannotSubscribe) {
  FreeWitness witness;
  auto critter = MakeOwned<Critter>(nullptr, u"lonely");
  critter->RaiseEvent(kEventSlotAdd);
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] {
              critter->Subscribe(kEventFree, TSWEventHandler::Of<&FreeWitness::OnFree>(&witness));
            }),
            u"Critter.Subscribe(free) needs a configuration store.");
}

class AbilitiesTest : public DataFolderTest {
 protected:
  AbilitiesTest() {
    RegisterTestKinds();
    UseStore();
    LoadMap();
  }
};

TEST_F(AbilitiesTest, OneAbilityPerSpecificationMadeThroughItsFactory) {
  TSWAbility& probe = config.Abilities().Get(u"probe,weed");
  EXPECT_EQ(&config.Abilities().Get(u"PROBE,weed"), &probe);
  TSWAbility& spaced = config.Abilities().Get(u"probe, weed");
  EXPECT_NE(&spaced, &probe);
  EXPECT_EQ(config.Abilities().Count(), 2);

  EXPECT_EQ(probe.ClassName(), u"TSWAbility_Probe");
  EXPECT_EQ(probe.GetConfig(), &config);
  EXPECT_TRUE(probe.Autocastable());
  EXPECT_EQ(probe.Name(), u"probe");
  EXPECT_EQ(spaced.Params(), (std::vector<WideString>{u"probe", u"weed"}));
  EXPECT_EQ(probe.Glyph16(), u"custom16");
  EXPECT_EQ(probe.Glyph32(), u"map32");
}

TEST_F(AbilitiesTest, LoadFromNeedsParamsAndDefaultsTheGlyphs) {
  TOwned<TSWAbility> ability = CreateAbility(*FindRegisteredClass(u"TSWAbility_Probe"), &config);
  EXPECT_EQ(ErrorOf<EListError>([&] { ability->LoadFrom({}); }),
            u"TSWAbility_Probe.LoadFrom() was passed empty Params.");
  ability->LoadFrom({u"nameless"});
  EXPECT_EQ(ability->Glyph16(), u"nameless 16");
  EXPECT_EQ(ability->Glyph32(), u"nameless 32");
}

TEST_F(AbilitiesTest, FailedLoadingDestroysTheNewAbilityAndRegistersNothing) {
  EXPECT_EQ(ErrorOf<EConvertError>([&] { config.Abilities().Get(u"failing"); }),
            u"failing cannot load.");
  EXPECT_EQ(config.Abilities().Count(), 0);
  EXPECT_EQ(ErrorOf<EComponentError>([&] { config.Abilities().Get(u"rogue"); }),
            u"CreateFrom(rogue) failed because type rogue is unknown.");
}

TEST_F(AbilitiesTest, TheStoreFreesItsAbilitiesWhenItGoes) {
  const int aliveBefore = ProbeAbility::Alive;
  {
    TSWConfig store;
    store.SetPackage(&package);
    store.SetLoadedMapFile(&package.Ini(u"maps\\genesis"));
    store.Abilities().Get(u"probe");
    store.Abilities().Get(u"probe,seed");
    EXPECT_EQ(ProbeAbility::Alive, aliveBefore + 2);
  }
  EXPECT_EQ(ProbeAbility::Alive, aliveBefore);
}

}  // namespace
