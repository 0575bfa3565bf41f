#include "game/game_fixture.h"

#include <algorithm>

#include "config/event_hash.h"
#include "config/event_names.h"

void GameRecorder::Listen(TSWConfig& config) {
  for (const WideString* name : {&kEventGameStart, &kEventTick})
    config.Events().AddHandler(*name, TSWEventHandler::Of<&GameRecorder::OnEvent>(this));
}

void GameRecorder::OnEvent(TSWConfig* sender, const WideString& eventName, TObject* /*arg*/) {
  Events.push_back({eventName, sender->Ticks(), game_.TimerHandle(), map_.CellsX()});
}

void GameRecorder::OnStart(TObject* sender) {
  StartSenders.push_back(sender);
  Events.push_back({u"OnStart", 0, game_.TimerHandle(), map_.CellsX()});
}

int GameRecorder::CountOf(const WideString& name) const {
  return static_cast<int>(std::count_if(
      Events.begin(), Events.end(), [&](const TGameEvent& event) { return event.Name == name; }));
}

GameTest::GameTest() {
  folder.WriteFile("maps/tiny.ini",
                   "[General]\nName=Tiny\nWidth=2\nHeight=1\n[Tiles]\nY0=soil,clay\n");
  recorder.Listen(config);
  game.SetOnStart(TNotifyEvent::Of<&GameRecorder::OnStart>(&recorder));
}
