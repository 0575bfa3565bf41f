// Every shipped map plays: it loads through the real engine the way the main window loads
// genesis, and a few hundred ticks pass in either tick mode, with a gardener planting whatever
// Player1 can afford, without a single error. That the texts and images of what turns up exist
// is the data checker's to say (tests/tools).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/errors.h"
#include "config/event_hash.h"
#include "config/event_names.h"
#include "data_package/shipped_data.h"
#include "game/ability.h"
#include "game/ability_link.h"
#include "game/ability_list.h"
#include "game/flower.h"
#include "game/game_session.h"
#include "game/random_source.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/map_cells.h"

namespace {

// Ten minutes of real-time play, and as many turns as it takes the weeds to spread.
constexpr int kTicks[] = {300, 600};  // by tick mode
// Player1 tries its abilities every few ticks, so that mana builds up in between.
constexpr int kTicksBetweenMoves = 3;
// Cooldown ranges and spreads draw random numbers; a fixed seed replays the same game.
constexpr uint32_t kRandomSeed = 20240521;

// A game of one shipped map, made as the main window makes it, whose ticks the test delivers by
// hand. It counts the game's events.
class TManualGame : public TObject {
 public:
  TManualGame(const WideString& mapName, TTickMode mode)
      : session(ShippedDataPath(), mapName, mode) {
    for (const WideString* name : {&kEventGameStart, &kEventFlowerGrown, &kEventFlowerLevelUp})
      config.Events().AddHandler(*name, TSWEventHandler::Of<&TManualGame::OnEvent>(this));
  }

  void OnEvent(TSWConfig* /*sender*/, const WideString& eventName, TObject* /*arg*/) {
    ++EventCounts[Narrow(eventName)];
  }

  // Tries every ability of Player1's flowers that is ready, planting where the map lets it.
  // Returns how many seeds went into the ground.
  int PlayerMove(int tick) {
    int planted = 0;
    for (TSWAbilityLink* link : ReadyLinksOf(player1)) {
      try {
        link->Fire();
      } catch (const EInvalidArgument& error) {
        if (StartsWith(error.Message(), u"This flower requires")) continue;  // saving up
        throw;
      }
      if (map.Selecting()) planted += PickTarget(*link, tick);
    }
    return planted;
  }

  int CountOf(const WideString& objectName, const TSWPlayer& owner) {
    int count = 0;
    ForEachObject([&](TSWFlower& object) {
      if (object.Name() == objectName && object.Player() == &owner) ++count;
    });
    return count;
  }

  TSWGameSession session;
  TSWConfig& config = session.Config();
  TSWPlayer& gaia = session.Gaia();
  TSWPlayer& player1 = session.Player1();
  TSWMap& map = session.Map();
  TSWGame& game = session.Game();
  std::map<std::string, int> EventCounts;

 private:
  template <class Action>
  void ForEachCell(Action action) {
    for (int y = 0; y < map.CellsY(); ++y)
      for (int x = 0; x < map.CellsX(); ++x) action(map.Cells().Cell(x, y));
  }

  template <class Action>
  void ForEachObject(Action action) {
    ForEachCell([&](TSWMapCell& cell) {
      for (int i = 0; i < cell.Slots().Count(); ++i) action(cell.Slots().Flowers(i));
    });
  }

  std::vector<TSWAbilityLink*> ReadyLinksOf(const TSWPlayer& owner) {
    std::vector<TSWAbilityLink*> links;
    ForEachObject([&](TSWFlower& object) {
      if (object.Player() != &owner) return;
      for (int i = 0; i < object.Abilities().Count(); ++i) {
        TSWAbilityLink* link = object.Abilities().Links(i);
        if (!link->IsRecharging() && !link->Autocast()) links.push_back(link);
      }
    });
    return links;
  }

  // Picks one of the cells the selection accepts, a different one from tick to tick; without
  // any, the firing is cancelled.
  int PickTarget(TSWAbilityLink& link, int tick) {
    std::vector<TSWMapCell*> accepted;
    ForEachCell([&](TSWMapCell& cell) {
      if (map.Filter()(cell)) accepted.push_back(&cell);
    });
    if (accepted.empty()) {
      link.Instance().Cancel();
      return 0;
    }
    map.AddToSelection(*accepted[static_cast<size_t>(tick) % accepted.size()]);
    return 1;
  }
};

TEST(ShippedMapsTest, EveryMapPlaysHundredsOfTicksInBothModesWithoutAnError) {
  const std::vector<WideString> maps = ShippedMaps();
  ASSERT_GE(maps.size(), 3u);
  for (const WideString& mapName : maps)
    for (const TTickMode mode : {tmTurn, tmRealTime}) {
      SCOPED_TRACE(Narrow(mapName) + (mode == tmTurn ? " in turn mode" : " in real time"));
      RandomSource().Seed(kRandomSeed);
      TManualGame play(mapName, mode);
      const int ticks = kTicks[mode];
      int tick = 0;
      int planted = 0;
      int weedsAtStart = 0;
      try {
        play.game.Start();
        weedsAtStart = play.CountOf(u"weed", play.gaia);
        for (tick = 1; tick <= ticks; ++tick) {
          play.game.DeliverTick();
          if (tick % kTicksBetweenMoves == 0) planted += play.PlayerMove(tick);
        }
      } catch (const Exception& error) {
        ADD_FAILURE() << "tick " << tick << ": " << error.what();
        continue;
      }
      EXPECT_EQ(play.config.Ticks(), ticks);
      EXPECT_EQ(play.EventCounts[Narrow(kEventGameStart)], 1);
      EXPECT_GT(planted, 0) << "Player1 never had the mana and room to plant";
      EXPECT_GT(play.EventCounts[Narrow(kEventFlowerGrown)], 0);
      EXPECT_GT(play.EventCounts[Narrow(kEventFlowerLevelUp)], 0);
      EXPECT_GT(play.CountOf(u"weed", play.gaia), weedsAtStart) << "the weeds never spread";
    }
}

}  // namespace
