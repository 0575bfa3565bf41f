#pragma once
// A game over a test data folder: a store in real-time mode, a map control, a map loader reading
// a 2 x 1 map file, the players Gaia and Player1, a manual dispatcher, and a recorder of the
// game's events.
#include <vector>

#include "config/data_folder_fixture.h"
#include "game/game.h"
#include "game/player.h"
#include "map/map_generator.h"
#include "map/sw_map.h"
#include "platform/manual_dispatcher.h"

// One event as the game's listeners saw it.
struct TGameEvent {
  WideString Name;
  int32_t Ticks;
  uint32_t TimerHandle;
  int CellsX;
  friend bool operator==(const TGameEvent&, const TGameEvent&) = default;
};

class GameRecorder : public TObject {
 public:
  GameRecorder(TSWGame& game, TSWMap& map) : game_(game), map_(map) {}

  void Listen(TSWConfig& config);
  void OnEvent(TSWConfig* sender, const WideString& eventName, TObject* arg);
  void OnStart(TObject* sender);
  int CountOf(const WideString& name) const;

  std::vector<TGameEvent> Events;
  std::vector<TObject*> StartSenders;

 private:
  TSWGame& game_;
  TSWMap& map_;
};

class GameTest : public DataFolderTest {
 protected:
  GameTest();

  // Wires the game the way the main window does: while loading, then Loaded.
  void WireGame();

  TSWMap map;
  TSWMapLoader loader;
  TSWPlayer gaia;
  TSWPlayer player1;
  TManualDispatcher dispatcher;
  TSWGame game;
  GameRecorder recorder{game, map};
};
