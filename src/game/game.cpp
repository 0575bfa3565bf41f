#include "game/game.h"

#include "base/errors.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "config/package.h"
#include "game/player.h"
#include "map/map_generator.h"
#include "map/sw_map.h"
#include "platform/dispatched_timer.h"

SW_CLASS_DEFINE(TSWGame, TComponent)

TSWGame::TSWGame(TComponent* owner) : TComponent(owner) {}

TSWGame::~TSWGame() { StopTimer(); }

void TSWGame::SetConfig(TSWConfig* config) {
  config_ = config;
  FreeNotification(config);
  Wire();
}

void TSWGame::SetMap(TSWMap* map) {
  map_ = map;
  FreeNotification(map);
  Wire();
  if (map_ && !Loading()) map_->Invalidate();
}

void TSWGame::SetMapGenerator(TSWMapGenerator* mapGenerator) {
  mapGenerator_ = mapGenerator;
  FreeNotification(mapGenerator);
  Wire();
}

void TSWGame::Loaded() {
  TComponent::Loaded();
  Wire();
}

void TSWGame::Wire() {
  if (Loading()) return;
  if (config_) config_->SetMap(map_);
  if (map_) {
    map_->SetConfig(config_);
    map_->Invalidate();
  }
  if (mapGenerator_) mapGenerator_->SetConfig(config_);
  if (map_ && mapGenerator_) mapGenerator_->SetMap(map_);
}

void TSWGame::ComponentFreed(TComponent* component) {
  if (component == config_) config_ = nullptr;
  if (component == map_) map_ = nullptr;
  if (component == mapGenerator_) mapGenerator_ = nullptr;
}

void TSWGame::SetTickInterval(int32_t tickInterval) {
  tickInterval_ = tickInterval;
  if (timer_ && config_ && config_->TickMode() == tmRealTime) RestartTimer();
}

void TSWGame::SetDispatcher(TUiDispatcher* dispatcher) {
  if (dispatcher == dispatcher_) return;
  dispatcher_ = dispatcher;
  if (timer_) RestartTimer();
}

TSWPackage* TSWGame::Package() const { return config_ ? config_->Package() : nullptr; }

bool TSWGame::Paused() const { return config_ && config_->Paused(); }

void TSWGame::SetPaused(bool paused) {
  if (config_ == nullptr) return;
  if (paused)
    config_->Pause();
  else
    config_->Resume();
  // The periods that fall due while paused are never posted, so none of them ticks later.
  if (timer_) timer_->SetHeld(paused);
  if (!paused) DeliverOwedTicks();
}

void TSWGame::CheckStartable() const {
  if (map_ == nullptr) Raise<EComponentError>(u"TSWGame wasn't assigned a TSWMap object.");
  if (mapGenerator_ == nullptr)
    Raise<EComponentError>(u"TSWGame wasn't assigned a TSWMapGenerator object.");
  if (config_ && config_->TickMode() == tmRealTime && dispatcher_ == nullptr)
    Raise<EInvalidOperation>(u"TSWGame needs a dispatcher to run in real time.");
}

void TSWGame::Start() {
  CheckStartable();
  if (config_) config_->ResetSession();
  // What the earlier game owed is not this game's.
  owedTicks_ = 0;
  mapGenerator_->Generate();
  if (config_ && config_->TickMode() == tmRealTime)
    RestartTimer();
  else
    // A timer left from a real-time game would keep ticking a game in turns.
    StopTimer();
  if (config_) config_->Events().RaiseEvent(kEventGameStart, nullptr);
  if (onStart_) onStart_(this);
}

void TSWGame::RestartTimer() {
  std::unique_ptr<TDispatchedTimer> next;
  if (dispatcher_) {
    next = std::make_unique<TDispatchedTimer>(*dispatcher_, tickInterval_, tickInterval_ / 20,
                                              &TSWGame::DeliverPeriodTo, this, Paused());
    if (next->Handle() == 0) next.reset();
  }
  // The replaced timer stops only now, after its successor started.
  timer_ = std::move(next);
}

void TSWGame::StopTimer() { timer_.reset(); }

uint32_t TSWGame::TimerHandle() const { return timer_ ? timer_->Handle() : 0; }

void TSWGame::DeliverPeriodTo(void* game) { static_cast<TSWGame*>(game)->DeliverPeriod(); }

void TSWGame::DeliverPeriod() {
  // The timer is held while paused, so this period fell due before the pause.
  if (Paused())
    ++owedTicks_;
  else
    DeliverTick();
}

void TSWGame::DeliverOwedTicks() {
  // Counted down first: a failing tick is not delivered twice.
  while (owedTicks_ > 0) {
    --owedTicks_;
    DeliverTick();
  }
}

void TSWGame::DeliverTick() {
  if (config_ == nullptr || config_->Paused()) return;
  const int32_t tick = config_->Ticks() + 1;
  config_->SetTicks(tick);
  AtPlace([tick] { return u"tick " + IntToWide(tick); },
          [this] { config_->Events().RaiseEvent(kEventTick, nullptr); });
}

std::unique_ptr<TSWGameDebugInfo> TSWGame::GetDebugInfo() const {
  auto info = std::make_unique<TSWGameDebugInfo>();
  if (config_) {
    info->Ticks = config_->Ticks();
    info->RealTime = config_->TickMode() == tmRealTime;

    const TSWBonusSummary bonuses = config_->Bonuses().Summary();
    for (const TSWBonusSummary::TKey& basket : bonuses.Keys)
      info->BonusBaskets.AddCounted(basket.Key, basket.Providers);
    info->BonusProviders = bonuses.TotalProviders;

    const TEventHash& events = config_->Events();
    for (int i = 0; i < events.Count(); ++i)
      info->EventHandlers.AddCounted(events.Strings(i), events.HandlerCount(i));

    TObjectHash& players = config_->Players();
    for (int i = 0; i < players.Count(); ++i)
      if (const TSWPlayer* player = As<TSWPlayer>(players.Objects(i)))
        info->PlayerLines.Add(
            Format(u"%s=m%d +%d", {players.Strings(i), player->Mana(), player->ManaPerTick()}));
  }
  if (map_) {
    map_->SaveClickMap(info->ClickMap);
    info->ClickMap.SetPosition(0);
  }
  if (const TSWPackage* package = Package()) {
    info->ResourceMemory = static_cast<int32_t>(package->CacheMemory());
    const TObjectHash& cache = package->Cache();
    for (int i = 0; i < cache.Count(); ++i) {
      const TObject* item = cache.Objects(i);
      info->Resources.AddCounted(cache.Strings(i),
                                 item ? static_cast<int32_t>(item->InstanceSize()) : 0);
    }
  }
  if (map_) info->MapCellsMemory = static_cast<int32_t>(map_->MemorySize());
  return info;
}
