#include "game/game_session.h"

#include <algorithm>

#include "base/errors.h"
#include "game/game_classes.h"
#include "game/window_players.h"
#include "map/map_geometry.h"
#include "platform/files.h"

TSWGameSession::TSWGameSession(const WideString& dataDir, const WideString& mapFileName,
                               TTickMode tickMode, TUiDispatcher* dispatcher)
    : TSWGameSession(dataDir, mapFileName, tickMode, dispatcher, TStayLoading{}) {
  RefuseUnreadableData(dataDir);
  for (TComponent* component : Components()) component->Loaded();
}

void TSWGameSession::RefuseUnreadableData(const WideString& dataDir) {
  WideString folder = dataDir;
  std::replace(folder.begin(), folder.end(), u'\\', u'/');
  if (!DirectoryExists(folder))
    Raise<EInvalidOperation>(u"There is no such data folder: \"%s\".", {ExpandFileName(folder)});
  // Each would read as a file without sections, and the game would play on defaults alone. The
  // map file is the loader's to check, when the game starts.
  for (const char16_t* name : {u"objects", u"abilities", u"lang"})
    package_.RequireReadableIni(name);
}

TSWGameSession TSWGameSession::Unloaded(const WideString& dataDir, const WideString& mapFileName,
                                        TTickMode tickMode) {
  return TSWGameSession(dataDir, mapFileName, tickMode, nullptr, TStayLoading{});
}

TSWGameSession::TSWGameSession(const WideString& dataDir, const WideString& mapFileName,
                               TTickMode tickMode, TUiDispatcher* dispatcher, TStayLoading) {
  RegisterGameClasses();
  for (TComponent* component : Components()) component->BeginLoading();

  map_.SetName(u"Map");
  map_.SetConfig(&config_);
  map_.SetGeometry(kMainWindowGeometry);
  package_.SetPath(dataDir);
  config_.SetPackage(&package_);
  config_.SetMap(&map_);
  config_.SetTickMode(tickMode);
  config_.SetShowGrid(false);
  game_.SetConfig(&config_);
  game_.SetMap(&map_);
  game_.SetMapGenerator(&loader_);
  game_.SetDispatcher(dispatcher != nullptr ? dispatcher : &ownDispatcher_);
  loader_.SetConfig(&config_);
  loader_.SetMap(&map_);
  loader_.SetFileName(mapFileName);
  for (size_t i = 0; i < players_.size(); ++i) {
    players_[i].SetPlayerName(WideString(kWindowPlayers[i]));
    players_[i].SetConfig(&config_);
  }
}

std::array<TComponent*, 7> TSWGameSession::Components() {
  return {&map_, &package_, &config_, &game_, &loader_, &players_[0], &players_[1]};
}
