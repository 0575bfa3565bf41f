#include "game/game.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "config/event_hash.h"
#include "config/event_names.h"
#include "config/package.h"
#include "game/game_fixture.h"
#include "map/map_cells.h"
#include "platform/dispatched_timer.h"

namespace {

using namespace std::chrono_literals;

// Polls the dispatcher until `count` items wait in it, for at most five seconds.
bool WaitForPending(const TManualDispatcher& dispatcher, int count) {
  for (int waited = 0; waited < 5000; ++waited) {
    if (dispatcher.PendingCount() >= count) return true;
    std::this_thread::sleep_for(1ms);
  }
  return false;
}

// Makes `count` periods of the game's timer fall due, as the timer's thread would.
void ElapsePeriods(TSWGame& game, int count) {
  for (int i = 0; i < count; ++i) game.Timer()->PeriodElapsed();
}

// A store, a map control, a loader and a game, made but not yet connected.
class GameWiringTest : public DataFolderTest {
 protected:
  GameWiringTest() { UseStore(); }

  TSWMap map;
  TSWMapLoader loader;
  TSWGame game;
};

}  // namespace

TEST_F(GameWiringTest, WiresStoreMapAndGeneratorOnceLoadedAndDropsComponentsThatGo) {
  game.BeginLoading();
  game.SetConfig(&config);
  game.SetMap(&map);
  game.SetMapGenerator(&loader);
  EXPECT_EQ(config.Map(), nullptr);
  EXPECT_EQ(loader.Map(), nullptr);

  game.Loaded();
  EXPECT_EQ(config.Map(), &map);
  EXPECT_EQ(map.Config(), &config);
  EXPECT_EQ(loader.Config(), &config);
  EXPECT_EQ(loader.Map(), &map);
  EXPECT_EQ(game.Package(), &package);

  {
    TSWMapLoader other;
    game.SetMapGenerator(&other);
    EXPECT_EQ(other.Config(), &config);
    EXPECT_EQ(other.Map(), &map);
  }
  EXPECT_EQ(game.MapGenerator(), nullptr);

  TSWGame unwired;
  EXPECT_EQ(unwired.Package(), nullptr);
  EXPECT_FALSE(unwired.Paused());
  EXPECT_EQ(unwired.TickInterval(), 1000);
}

TEST_F(GameTest, StartWithoutAMapFailsBeforeAnythingHappens) {
  game.SetMap(nullptr);
  config.SetTicks(7);
  config.Pause();
  EXPECT_EQ(ErrorOf<EComponentError>([&] { game.Start(); }),
            u"TSWGame wasn't assigned a TSWMap object.");
  EXPECT_EQ(config.Ticks(), 7);
  EXPECT_TRUE(game.Paused());
  EXPECT_TRUE(recorder.Events.empty());
  EXPECT_EQ(game.TimerHandle(), 0u);

  game.SetMap(&map);
  game.SetMapGenerator(nullptr);
  EXPECT_EQ(ErrorOf<EComponentError>([&] { game.Start(); }),
            u"TSWGame wasn't assigned a TSWMapGenerator object.");
  game.SetMapGenerator(&loader);
  game.SetDispatcher(nullptr);
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { game.Start(); }),
            u"TSWGame needs a dispatcher to run in real time.");
  EXPECT_TRUE(recorder.Events.empty());
  EXPECT_EQ(map.CellsX(), 10);
}

TEST_F(GameTest, StartResetsGeneratesStartsTheTimerThenAnnouncesTheGame) {
  game.SetTickInterval(3'600'000);
  config.SetTicks(9);
  config.Pause();
  game.Start();

  const uint32_t timer = game.TimerHandle();
  EXPECT_NE(timer, 0u);
  EXPECT_FALSE(game.Paused());
  // The map was generated and the timer running when "game start" was raised; OnStart came last.
  EXPECT_EQ(recorder.Events,
            (std::vector<TGameEvent>{{kEventGameStart, 0, timer, 2}, {u"OnStart", 0, timer, 2}}));
  EXPECT_EQ(recorder.StartSenders, (std::vector<TObject*>{&game}));

  game.DeliverTick();
  game.DeliverTick();
  EXPECT_EQ(config.Ticks(), 2);
  // Handlers see the count that includes their own tick.
  EXPECT_EQ(recorder.Events[2], (TGameEvent{kEventTick, 1, timer, 2}));
  EXPECT_EQ(recorder.Events[3], (TGameEvent{kEventTick, 2, timer, 2}));
}

TEST_F(GameTest, InTurnModeNoTimerRunsAndNothingTicks) {
  config.SetTickMode(tmTurn);
  game.SetDispatcher(nullptr);
  game.Start();
  EXPECT_EQ(recorder.CountOf(kEventGameStart), 1);
  EXPECT_EQ(recorder.StartSenders.size(), 1u);
  EXPECT_EQ(game.TimerHandle(), 0u);
  EXPECT_EQ(recorder.CountOf(kEventTick), 0);
  EXPECT_EQ(config.Ticks(), 0);
}

TEST_F(GameTest, ATurnGameStopsTheTimerOfAnEarlierRealTimeGame) {
  game.SetTickInterval(3'600'000);
  game.Start();
  ASSERT_NE(game.TimerHandle(), 0u);
  config.SetTickMode(tmTurn);
  game.Start();
  EXPECT_EQ(game.TimerHandle(), 0u);
}

TEST_F(GameTest, PeriodsDueWhilePausedAreDroppedAndTicksGoOnFromTheSameCount) {
  game.SetTickInterval(3'600'000);
  game.Start();
  ElapsePeriods(game, 1);
  dispatcher.RunPending();

  game.SetPaused(true);
  EXPECT_TRUE(config.Paused());
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { game.SetPaused(true); }), u"Game is already paused.");
  ElapsePeriods(game, 2);
  dispatcher.RunPending();
  EXPECT_EQ(config.Ticks(), 1);
  EXPECT_EQ(recorder.CountOf(kEventTick), 1);

  // Due while paused, and the UI thread reaches them only after the resume.
  ElapsePeriods(game, 2);
  game.SetPaused(false);
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { game.SetPaused(false); }),
            u"Cannot resume game because it's not paused.");
  ElapsePeriods(game, 1);
  dispatcher.RunPending();
  EXPECT_EQ(config.Ticks(), 2);
  EXPECT_EQ(recorder.CountOf(kEventTick), 2);
  EXPECT_EQ(recorder.Events.back(), (TGameEvent{kEventTick, 2, game.TimerHandle(), 2}));
}

TEST_F(GameTest, PeriodsDueBeforeAPauseTickOnceTheGameRuns) {
  game.SetTickInterval(3'600'000);
  game.Start();

  // The UI thread reaches them while paused: they wait for the resume.
  ElapsePeriods(game, 2);
  game.SetPaused(true);
  dispatcher.RunPending();
  EXPECT_EQ(recorder.CountOf(kEventTick), 0);
  game.SetPaused(false);
  EXPECT_EQ(config.Ticks(), 2);
  EXPECT_EQ(recorder.CountOf(kEventTick), 2);

  // Still queued at the resume: they tick at their turn, the one due while paused does not.
  ElapsePeriods(game, 3);
  game.SetPaused(true);
  ElapsePeriods(game, 1);
  game.SetPaused(false);
  dispatcher.RunPending();
  EXPECT_EQ(config.Ticks(), 5);
  EXPECT_EQ(recorder.CountOf(kEventTick), 5);
  EXPECT_EQ(recorder.Events.back(), (TGameEvent{kEventTick, 5, game.TimerHandle(), 2}));
}

TEST_F(GameTest, TickIntervalRestartsOnlyARunningRealTimeTimer) {
  game.SetTickInterval(3'600'000);
  EXPECT_EQ(game.TimerHandle(), 0u);

  game.Start();
  const uint32_t first = game.TimerHandle();
  game.SetTickInterval(1'800'000);
  EXPECT_EQ(game.TickInterval(), 1'800'000);
  EXPECT_NE(game.TimerHandle(), 0u);
  EXPECT_NE(game.TimerHandle(), first);

  // An interval the timer service rejects leaves no timer.
  game.SetTickInterval(0);
  EXPECT_EQ(game.TimerHandle(), 0u);
  game.SetTickInterval(1'800'000);
  EXPECT_EQ(game.TimerHandle(), 0u);
}

TEST_F(GameTest, ASecondStartResetsTheCountRegeneratesAndReplacesTheTimer) {
  game.SetTickInterval(3'600'000);
  game.Start();
  const uint32_t first = game.TimerHandle();
  game.DeliverTick();
  game.DeliverTick();
  // A period the earlier game would tick on its resume.
  ElapsePeriods(game, 1);
  game.SetPaused(true);
  dispatcher.RunPending();
  map.SetCellsX(5);

  game.Start();
  EXPECT_EQ(config.Ticks(), 0);
  EXPECT_EQ(map.CellsX(), 2);
  EXPECT_NE(game.TimerHandle(), first);
  EXPECT_NE(game.TimerHandle(), 0u);
  EXPECT_EQ(recorder.CountOf(kEventGameStart), 2);
  game.SetPaused(true);
  game.SetPaused(false);
  EXPECT_EQ(config.Ticks(), 0);
}

TEST_F(GameTest, RealTimerPeriodsTickThroughTheDispatcher) {
  game.SetTickInterval(5);
  game.Start();
  ASSERT_TRUE(WaitForPending(dispatcher, 2));
  // Nothing ticked on the timer thread: every period waits for the UI thread.
  EXPECT_EQ(recorder.CountOf(kEventTick), 0);
  const int ran = dispatcher.RunPending();
  EXPECT_GE(ran, 2);
  EXPECT_EQ(config.Ticks(), ran);
  EXPECT_EQ(recorder.CountOf(kEventTick), ran);
}

TEST_F(GameTest, NoPostedPeriodReachesADestroyedGame) {
  auto doomed = std::make_unique<TSWGame>();
  doomed->SetDispatcher(&dispatcher);
  doomed->SetConfig(&config);
  doomed->SetMap(&map);
  doomed->SetMapGenerator(&loader);
  doomed->SetTickInterval(5);
  doomed->Start();
  ASSERT_TRUE(WaitForPending(dispatcher, 1));

  doomed.reset();
  EXPECT_EQ(dispatcher.PendingCount(), 0);
  std::this_thread::sleep_for(15ms);
  EXPECT_EQ(dispatcher.RunPending(), 0);
  EXPECT_EQ(config.Ticks(), 0);
}

TEST_F(GameTest, DebugInfoSnapshotsTheRunningGame) {
  game.SetTickInterval(3'600'000);
  game.Start();
  TObject provider;
  config.Bonuses().SetBonus(&gaia, u"ManaPerTick", 2, &provider);
  for (int i = 0; i < 6; ++i) game.DeliverTick();

  const std::unique_ptr<TSWGameDebugInfo> info = game.GetDebugInfo();
  EXPECT_EQ(info->Ticks, 6);
  EXPECT_TRUE(info->RealTime);

  ASSERT_EQ(info->BonusBaskets.Count(), 1);
  EXPECT_EQ(info->BonusBaskets.Strings(0), ObjectToken(&gaia) + u"=ManaPerTick");
  EXPECT_EQ(info->BonusBaskets.Counts(0), 1);
  EXPECT_EQ(info->BonusProviders, 1);

  const TEventHash& events = config.Events();
  ASSERT_EQ(info->EventHandlers.Count(), events.Count());
  for (int i = 0; i < events.Count(); ++i) {
    EXPECT_EQ(info->EventHandlers.Strings(i), events.Strings(i));
    EXPECT_EQ(info->EventHandlers.Counts(i), events.HandlerCount(i));
  }
  // The two players and the recorder.
  EXPECT_EQ(info->EventHandlers.Counts(info->EventHandlers.IndexOf(kEventTick)), 3);

  ASSERT_EQ(info->PlayerLines.Count(), 2);
  EXPECT_EQ(info->PlayerLines.Strings(0), u"Gaia=m12 +2");
  EXPECT_EQ(info->PlayerLines.Strings(1), u"Player1=m0 +0");

  EXPECT_EQ(info->ClickMap.Position(), 0);
  ASSERT_GT(info->ClickMap.Size(), 2);
  EXPECT_EQ(info->ClickMap.Bytes().substr(0, 2), "BM");

  const TObjectHash& cache = package.Cache();
  EXPECT_EQ(info->ResourceMemory, package.CacheMemory());
  ASSERT_EQ(info->Resources.Count(), cache.Count());
  const int mapFile = info->Resources.IndexOf(u"maps\\tiny:ini");
  ASSERT_GE(mapFile, 0);
  EXPECT_EQ(info->Resources.Counts(mapFile),
            static_cast<int32_t>(cache.Find(u"maps\\tiny:ini")->InstanceSize()));
  EXPECT_EQ(info->MapCellsMemory, static_cast<int32_t>(map.MemorySize()));
}

// A seed of an unknown kind, from a map line or an ability, fails only when it sprouts, deep in a
// tick; the message says which tick and which cell.
TEST_F(GameTest, ErrorsEscapingATickSayTheTickAndTheCell) {
  folder.WriteFile("objects.ini", "[dragon]\nHP=3\n[seed growth]\n*=5\n");
  folder.WriteFile("maps/tiny.ini",
                   "[General]\nWidth=2\nHeight=1\n[Tiles]\nY0=soil,clay\n"
                   "[Objects of Gaia]\n1:0=seed,dragon\n");
  config.SetTickMode(tmTurn);
  game.Start();
  EXPECT_EQ(ErrorOf<EComponentError>([&] { game.DeliverTick(); }),
            u"tick 1: cell 1:0: CreateFrom(dragon) failed because type dragon is unknown.");
}

TEST_F(GameTest, AMapFileThatReadsAsEmptyIsRefusedByName) {
  folder.WriteFile("maps/tiny.ini", "[General]\nName=Caf\xE9\n");
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { game.Start(); }),
            u"maps\\tiny.ini is not UTF-8 text (byte E9 at line 2): the game cannot start "
            u"without it.");
  folder.WriteFile("maps/tiny.ini", "\r\n; only a comment\r\n");
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { game.Start(); }),
            u"maps\\tiny.ini is empty: the game cannot start without it.");
  EXPECT_TRUE(recorder.Events.empty());
}

// The files every game reads are checked when the game is made, so a broken one is named instead
// of every object playing on defaults.
TEST(GameSessionTest, RefusesAMissingFolderAndUnreadableConfigurationFilesByName) {
  TTempFolder folder;
  const auto failureOf = [&]() -> WideString {
    try {
      TSWGameSession(folder.NameOf("Data"), u"maps\\m", tmTurn);
    } catch (const Exception& error) {
      return error.Message();
    }
    return u"(no error)";
  };
  EXPECT_EQ(failureOf(), u"There is no such data folder: \"" + folder.NameOf("Data") + u"\".");
  folder.MakeFolder("Data");
  EXPECT_EQ(failureOf(), u"TSWFolderPackage.Data could not retrieve data with name objects.ini.");
  folder.WriteFile("Data/objects.ini", "[bloomer]\nHP=\xFF\xFE\n");
  folder.WriteFile("Data/abilities.ini", "");
  EXPECT_EQ(failureOf(),
            u"objects.ini is not UTF-8 text (byte FF at line 2): the game cannot "
            u"start without it.");
  folder.WriteFile("Data/objects.ini", "[bloomer]\nHP=100\n");
  EXPECT_EQ(failureOf(), u"abilities.ini is empty: the game cannot start without it.");
}
