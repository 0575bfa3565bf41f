#pragma once
// The components the main window owns, made and wired the way the window makes them, so the real
// game runs without a window. Ticks are delivered by hand in both tick modes: in real time the
// game's timer posts its periods to a dispatcher that nobody runs, so no period is waited for.
#include <array>

#include "config/config_store.h"
#include "config/folder_package.h"
#include "game/game.h"
#include "game/player.h"
#include "map/map_generator.h"
#include "map/sw_map.h"
#include "platform/manual_dispatcher.h"

class THeadlessGame {
 public:
  // The package reads `dataDir`, the loader `mapFileName` (such as maps\genesis). Fails with the
  // engine's message when the data lacks what the window needs before a game starts: the
  // language file, the cell image.
  THeadlessGame(const WideString& dataDir, const WideString& mapFileName, TTickMode tickMode);
  THeadlessGame(const THeadlessGame&) = delete;
  THeadlessGame& operator=(const THeadlessGame&) = delete;

  TSWConfig& Config() { return config_; }
  TSWMap& Map() { return map_; }
  TSWGame& Game() { return game_; }

 private:
  // In the order of the window's component table, which is also the order of their Loaded.
  std::array<TComponent*, 7> Components();

  // Declared so that everything that refers to another component goes before it: the game
  // stops its timer before the dispatcher goes, the objects on the map leave the store's
  // registries and their players' bonuses while those still exist.
  TManualDispatcher dispatcher_;
  TSWFolderPackage package_;
  TSWConfig config_;
  std::array<TSWPlayer, 2> players_;
  TSWMap map_;
  TSWMapLoader loader_;
  TSWGame game_;
};
