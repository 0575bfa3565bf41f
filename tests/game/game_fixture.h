#pragma once
// A game session over a test data folder: a store in real-time mode, a map loader reading a
// 2 x 1 map file, a manual dispatcher the test runs, and a recorder of the game's events.
#include <vector>

#include "config/data_folder_fixture.h"
#include "game/game_session.h"
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

class GameTest : public DataFilesTest {
 protected:
  GameTest();

  TManualDispatcher dispatcher;
  TSWGameSession session{folder.NameOf(""), u"maps\\tiny", tmRealTime, &dispatcher};
  TSWFolderPackage& package = session.Package();
  TSWConfig& config = session.Config();
  TSWMap& map = session.Map();
  TSWMapLoader& loader = session.Loader();
  TSWPlayer& gaia = session.Gaia();
  TSWGame& game = session.Game();
  GameRecorder recorder{game, map};
};
