#pragma once
// One game as the main window owns it: the data package, the configuration store, the map
// control, the map loader, the game and the window's players, made, given the window's values
// and connected in the order of the window's component table, then loaded in that order. The
// window, the headless runner, the data checker and the tests all build a game through it.
#include <array>

#include "config/config_store.h"
#include "config/folder_package.h"
#include "config/tick_mode.h"
#include "game/game.h"
#include "game/player.h"
#include "map/map_generator.h"
#include "map/sw_map.h"
#include "platform/manual_dispatcher.h"

class TUiDispatcher;

class TSWGameSession {
 public:
  // The package reads `dataDir`, the loader `mapFileName` (such as maps\genesis), the store runs
  // in `tickMode`. The game's timer posts its real-time periods to `dispatcher`, which must
  // outlive the session. Without one they go to a dispatcher of the session's own that nobody
  // runs: ticks then come only by hand (Game().DeliverTick()), as the headless runner and the
  // tests want, and no period is ever waited for. Fails with the engine's message when the data
  // lacks what loading needs: the cell image (the map's click map), the language file (the
  // store); and, naming it, when the data folder does not exist or objects.ini, abilities.ini or
  // lang.ini is missing, empty or not UTF-8 text.
  TSWGameSession(const WideString& dataDir, const WideString& mapFileName, TTickMode tickMode,
                 TUiDispatcher* dispatcher = nullptr);
  // The same components, valued and connected, but each still loading and nothing read: for a
  // caller that runs the loading steps it needs itself, such as the data checker, which reports a
  // language file that fails to load and checks on.
  static TSWGameSession Unloaded(const WideString& dataDir, const WideString& mapFileName,
                                 TTickMode tickMode);
  TSWGameSession(const TSWGameSession&) = delete;
  TSWGameSession& operator=(const TSWGameSession&) = delete;

  TSWFolderPackage& Package() { return package_; }
  TSWConfig& Config() { return config_; }
  TSWMap& Map() { return map_; }
  TSWMapLoader& Loader() { return loader_; }
  TSWGame& Game() { return game_; }
  TSWPlayer& Gaia() { return players_[0]; }
  TSWPlayer& Player1() { return players_[1]; }
  // In the order of kWindowPlayers.
  std::array<TSWPlayer, 2>& Players() { return players_; }

 private:
  struct TStayLoading {};

  TSWGameSession(const WideString& dataDir, const WideString& mapFileName, TTickMode tickMode,
                 TUiDispatcher* dispatcher, TStayLoading);
  void RefuseUnreadableData(const WideString& dataDir);
  // In the order of the window's component table, which is also the order of their Loaded.
  std::array<TComponent*, 7> Components();

  // Declared so that everything that refers to another component goes before it: the game
  // stops its timer before the dispatcher goes, the objects on the map leave the store's
  // registries and their players' bonuses while those still exist.
  TManualDispatcher ownDispatcher_;
  TSWFolderPackage package_;
  TSWConfig config_;
  std::array<TSWPlayer, 2> players_;
  TSWMap map_;
  TSWMapLoader loader_;
  TSWGame game_;
};
