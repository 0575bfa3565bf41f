#include "config/config_store.h"

#include <memory>

#include "config/game_view.h"
#include "config/map_view.h"
#include "config/no_value.h"
#include "data_folder_fixture.h"
#include "support/test_class.h"

namespace {

using ConfigStoreTest = DataFolderTest;

// Stand-ins for the game and map components, which the store knows by the interfaces it asks of
// them.
class FakeMap : public TComponent, public TSWMapView {
 public:
  SW_TEST_CLASS(u"TSWMap", TComponent)
  void Invalidate() override { ++Invalidations; }
  int Invalidations = 0;
};

class FakeMapKind : public FakeMap {
 public:
  SW_TEST_CLASS(u"TSWMapKind", FakeMap)
};

class FakeGame : public TComponent, public TSWGameView {
 public:
  SW_TEST_CLASS(u"TSWGame", TComponent)
};

TEST_F(ConfigStoreTest, LanguageStrings) {
  UseStore();
  EXPECT_EQ(package.Config(), &config);
  EXPECT_EQ(config.Lang(u"HELLO"), u"Hello");
  EXPECT_EQ(config.Lang(u"empty"), u"");
  EXPECT_EQ(ErrorOf<EResNotFound>([&] { config.Lang(u"absent"); }),
            u"No language string with name \"absent\" found.");
  EXPECT_EQ(config.LangDef(u"hello", u"default"), u"Hello");
  EXPECT_EQ(config.LangDef(u"player: Gaia", u"Gaia"), u"Gaia");
  EXPECT_EQ(config.LangDef(u"player: Gaia", NoValue), u"player: Gaia");
  EXPECT_EQ(config.LangFmt(u"coords", {3, 4}), u"3, 4");

  config.SetTickMode(tmTurn);
  EXPECT_EQ(config.LangTickFmt(u"cooldown", {5}), u"5 turns");
  config.SetTickMode(tmRealTime);
  EXPECT_EQ(config.LangTickFmt(u"cooldown", {5}), u"5 seconds");
}

TEST_F(ConfigStoreTest, LanguageLoadsOnceLoadingIsOver) {
  config.BeginLoading();
  UseStore();
  EXPECT_EQ(package.Config(), nullptr);
  EXPECT_EQ(config.LangDef(u"hello", NoValue), u"hello");
  config.Loaded();
  EXPECT_FALSE(config.Loading());
  EXPECT_EQ(config.Lang(u"hello"), u"Hello");
  EXPECT_EQ(package.Config(), &config);
}

TEST_F(ConfigStoreTest, PackageChangesMoveTheBackReferenceAndFailuresKeepTheOldPackage) {
  UseStore();
  TTempFolder otherFolder;
  otherFolder.WriteFile("lang.ini", "[Strings]\nhello=Hallo\n");
  TSWFolderPackage other;
  other.SetPath(otherFolder.NameOf(""));
  config.SetPackage(&other);
  EXPECT_EQ(package.Config(), nullptr);
  EXPECT_EQ(other.Config(), &config);
  EXPECT_EQ(config.Lang(u"hello"), u"Hallo");

  TTempFolder emptyFolder;
  TSWFolderPackage empty;
  empty.SetPath(emptyFolder.NameOf(""));
  EXPECT_EQ(ErrorOf<EListError>([&] { config.SetPackage(&empty); }),
            u"TSWFolderPackage.Data could not retrieve data with name lang.ini.");
  EXPECT_EQ(config.Package(), &other);
  EXPECT_EQ(other.Config(), &config);
  EXPECT_EQ(config.Lang(u"hello"), u"Hallo");

  config.SetPackage(nullptr);
  EXPECT_EQ(other.Config(), nullptr);
  EXPECT_EQ(config.LangDef(u"hello", NoValue), u"hello");
}

TEST_F(ConfigStoreTest, ReferencesBetweenComponentsDoNotOutliveTheirTargets) {
  auto otherPackage = std::make_unique<TSWFolderPackage>();
  otherPackage->SetPath(package.Path());
  auto map = std::make_unique<FakeMap>();
  config.SetPackage(otherPackage.get());
  config.SetMap(map.get());
  LoadMap();
  otherPackage.reset();
  EXPECT_EQ(config.Package(), nullptr);
  EXPECT_EQ(config.LoadedMapFile(), nullptr);
  map.reset();
  EXPECT_EQ(config.Map(), nullptr);

  auto store = std::make_unique<TSWConfig>();
  store->SetPackage(&package);
  store.reset();
  EXPECT_EQ(package.Config(), nullptr);
}

TEST_F(ConfigStoreTest, GameAndMapMustBeOfTheirClasses) {
  FakeGame game;
  FakeMapKind map;
  config.SetGame(&game);
  config.SetMap(&map);
  EXPECT_EQ(config.Game(), &game);
  EXPECT_EQ(config.Map(), &map);

  EXPECT_EQ(ErrorOf<EComponentError>([&] { config.SetGame(&map); }),
            u"TSWConfig only accepts Game of TSWGame class, TSWMapKind given.");
  EXPECT_EQ(ErrorOf<EComponentError>([&] { config.SetMap(&game); }),
            u"TSWConfig only accepts Map of TSWMap class, TSWGame given.");
  EXPECT_EQ(config.Game(), &game);
  EXPECT_EQ(config.Map(), &map);

  config.SetGame(nullptr);
  EXPECT_EQ(config.Game(), nullptr);
}

TEST_F(ConfigStoreTest, AnotherMapDropsTheLoadedMapFile) {
  UseStore();
  FakeMap first;
  FakeMap second;
  config.SetMap(&first);
  LoadMap();
  config.SetMap(&first);
  EXPECT_NE(config.LoadedMapFile(), nullptr);
  config.SetMap(&second);
  EXPECT_EQ(config.LoadedMapFile(), nullptr);
}

TEST_F(ConfigStoreTest, ShowGridRepaintsTheAssignedMap) {
  config.SetShowGrid(true);
  EXPECT_TRUE(config.ShowGrid());
  FakeMap map;
  config.SetMap(&map);
  config.SetShowGrid(false);
  EXPECT_FALSE(config.ShowGrid());
  EXPECT_EQ(map.Invalidations, 1);
}

TEST(ConfigSessionTest, PauseResumeAndReset) {
  TSWConfig config;
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { config.Resume(); }),
            u"Cannot resume game because it's not paused.");
  config.Pause();
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { config.Pause(); }), u"Game is already paused.");
  EXPECT_TRUE(config.Paused());
  config.SetTicks(12);
  config.ResetSession();
  EXPECT_FALSE(config.Paused());
  EXPECT_EQ(config.Ticks(), 0);
  config.Pause();
  config.Resume();
  EXPECT_FALSE(config.Paused());
}

TEST(ConfigSessionTest, UniqueComponentNamesNeverRepeat) {
  TSWConfig config;
  EXPECT_EQ(config.UniqueComponentName(), u"UniqComp1");
  EXPECT_EQ(config.UniqueComponentName(), u"UniqComp2");
  EXPECT_EQ(config.UniqueComponentName(), u"UniqComp3");
  EXPECT_EQ(TSWConfig().UniqueComponentName(), u"UniqComp1");
}

}  // namespace
