#include "sim/headless_game.h"

#include "game/game_classes.h"
#include "common/window_players.h"

THeadlessGame::THeadlessGame(const WideString& dataDir, const WideString& mapFileName,
                             TTickMode tickMode) {
  RegisterGameClasses();
  for (TComponent* component : Components()) component->BeginLoading();

  map_.SetName(u"Map");
  map_.SetConfig(&config_);
  map_.SetCellsX(1);
  map_.SetCellsY(1);
  map_.SetGeometry(kMainWindowGeometry);
  package_.SetPath(dataDir);
  config_.SetPackage(&package_);
  config_.SetMap(&map_);
  config_.SetTickMode(tickMode);
  config_.SetShowGrid(false);
  game_.SetConfig(&config_);
  game_.SetMap(&map_);
  game_.SetMapGenerator(&loader_);
  game_.SetDispatcher(&dispatcher_);
  loader_.SetConfig(&config_);
  loader_.SetMap(&map_);
  loader_.SetFileName(mapFileName);
  for (size_t i = 0; i < players_.size(); ++i) {
    players_[i].SetPlayerName(WideString(kWindowPlayers[i]));
    players_[i].SetConfig(&config_);
  }

  for (TComponent* component : Components()) component->Loaded();
}

std::array<TComponent*, 7> THeadlessGame::Components() {
  return {&map_, &package_, &config_, &game_, &loader_, &players_[0], &players_[1]};
}
