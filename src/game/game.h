#pragma once
// The game: ties the configuration store, the map control and the map generator together,
// starts a game, and in real-time mode drives it with a "tick" every TickInterval milliseconds.
//
// Ticks are handled on the UI thread. The periodic timer's thread only posts each period to the
// game's dispatcher, which hands it to the game where the window paints and clicks, so no tick
// handler ever runs beside the window's own work. Each period is handed over once and in order.
// A period that falls due while the game is paused is dropped; one that fell due before the pause
// but reaches the game during it ticks when the game resumes.
#include <cstdint>
#include <memory>

#include "base/bound_method.h"
#include "base/component.h"
#include "config/game_view.h"
#include "game/game_debug_info.h"

class TDispatchedTimer;
class TSWConfig;
class TSWMap;
class TSWMapGenerator;
class TSWPackage;
class TUiDispatcher;

class TSWGame : public TComponent, public TSWGameView {
  SW_CLASS(TSWGame)

  explicit TSWGame(TComponent* owner = nullptr);
  // Stops the timer; no period it posted reaches the game afterwards.
  ~TSWGame() override;

  // Each reference is dropped when its component goes. Setting one wires the three together
  // (unless loading: Loaded does it); setting the map also repaints it.
  TSWConfig* Config() const { return config_; }
  void SetConfig(TSWConfig* config);
  TSWMap* Map() const { return map_; }
  void SetMap(TSWMap* map);
  TSWMapGenerator* MapGenerator() const { return mapGenerator_; }
  void SetMapGenerator(TSWMapGenerator* mapGenerator);
  void Loaded() override;

  // Milliseconds between real-time ticks. A change restarts a running real-time timer; a period
  // of 0 or less stops it.
  int32_t TickInterval() const { return tickInterval_; }
  void SetTickInterval(int32_t tickInterval);

  // Called last when a game starts, with the game as sender.
  const TNotifyEvent& OnStart() const { return onStart_; }
  void SetOnStart(TNotifyEvent onStart) { onStart_ = onStart; }

  // Where the timer's periods are handed to the UI thread; real-time games need one. It must
  // outlive the game or be unset first. A change moves a running timer to the new dispatcher
  // (none stops it).
  TUiDispatcher* Dispatcher() const { return dispatcher_; }
  void SetDispatcher(TUiDispatcher* dispatcher);

  // The store's data package, or nullptr without a store.
  TSWPackage* Package() const;
  // False without a store. Setting forwards to the store's Pause / Resume and fails as they do;
  // without a store it does nothing. Pause through the game, not the store: only the game holds
  // its timer while paused and delivers on resume the ticks that fell due before the pause.
  bool Paused() const;
  void SetPaused(bool paused);

  // Starts a game: resets the store's session, generates the map, starts the real-time timer
  // (stopping the previous one after the new one started), raises "game start", calls OnStart.
  // Fails with "TSWGame wasn't assigned a TSWMap object." or "TSWGame wasn't assigned a
  // TSWMapGenerator object." (EComponentError) and, in real-time mode without a dispatcher,
  // "TSWGame needs a dispatcher to run in real time." (EInvalidOperation), before anything else
  // happens.
  void Start();

  // UI thread: one tick. While paused it is dropped; otherwise the tick counter grows by one
  // and "tick" is raised. Every timer period that ticks comes through here; turn play and tests
  // call it directly. A tick handler's failure propagates.
  void DeliverTick();

  // The running timer's handle; 0 when none runs.
  uint32_t TimerHandle() const;
  // The running timer, nullptr when none runs: through it a period can fall due without waiting.
  TDispatchedTimer* Timer() const { return timer_.get(); }

  std::unique_ptr<TSWGameDebugInfo> GetDebugInfo() const;

 protected:
  void ComponentFreed(TComponent* component) override;

 private:
  static void DeliverPeriodTo(void* game);
  void DeliverPeriod();
  void DeliverOwedTicks();
  void Wire();
  void CheckStartable() const;
  // Starts a timer at the current interval on the current dispatcher (none without one or for
  // an interval the service rejects), then stops the one it replaces.
  void RestartTimer();
  void StopTimer();

  TSWConfig* config_ = nullptr;
  TSWMap* map_ = nullptr;
  TSWMapGenerator* mapGenerator_ = nullptr;
  int32_t tickInterval_ = 1000;
  TNotifyEvent onStart_;
  TUiDispatcher* dispatcher_ = nullptr;
  std::unique_ptr<TDispatchedTimer> timer_;
  // Periods that fell due before a pause but reached the game during it.
  int owedTicks_ = 0;
};
