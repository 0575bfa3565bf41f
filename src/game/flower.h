#pragma once
// The base of every object that lives in a cell's slots: flowers, seeds and weeds, and the cell
// states (puddles, fences, paths, light and shadow). It gives each object an owner player, a
// level that rises by itself after the configured number of ticks, hit points with damage and
// death, a mana-per-tick value, and the abilities of its current level, all read from the
// object's sections of the loaded map file or objects.ini.
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/saturating.h"
#include "game/player.h"
#include "game/tick_list.h"
#include "map/cell_object.h"

class TCanvas;
class TSWAbilityList;
class TSWMapCellSlots;

class TSWFlower : public TSWCellObject {
  SW_CLASS(TSWFlower)

  // Objects are made only through NewFlower, which subscribes them to "tick" and runs Init once
  // the object is whole; the key keeps anything else from constructing one and forgetting it.
  class TCreationKey {
    TCreationKey() = default;
    template <class T>
    friend TSWCellObject* NewFlower(TSWMapCellSlots* slots, TObject* player);
  };

  // `player` must be a TSWPlayer: else fails with "Flower must be created with a TSWPlayer
  // Player." (EComponentError). Makes the empty ability list and a tick list in the store's
  // tick mode.
  TSWFlower(TCreationKey, TSWMapCellSlots* slots, TObject* player);
  ~TSWFlower() override;

  // The store of the slots' cell.
  TSWConfig* GetConfig() const override;

  // Resets the kind's own fields: not side by side here.
  virtual void Init();
  // The "tick" handler: counts down to the next level, unless at the last one.
  virtual void OnTick();
  // Asks the map to repaint the cells the object's image reaches into; none here.
  void InvalidateCells() override {}
  // Moves to `newLevel`: its tick count, its abilities, and when it is higher than the level
  // before, "flower level up" and then the cell's "slot level up", both with the object.
  virtual void SetLevel(int32_t newLevel);
  // The name of the slot the object occupies in its cell; the Name here.
  WideString GetKind() const override { return name_; }
  // Objects of a cell are drawn in ascending paint order.
  int16_t PaintOrder() const override { return 0; }
  // The language string "flower: " + name, the object's own Name when `name` is empty. Fails
  // when the language file lacks it.
  virtual WideString GetCaption(const WideString& name = {}) const;
  // Params[0] is the Name; then the configuration of the Name (LoadConfig), the abilities of
  // level 0 and SetLevel(0). Fails with "%s.LoadFrom() was passed empty Params." (EListError)
  // when there are none.
  void LoadFrom(const std::vector<WideString>& params) override;
  // Draws the object in the cell whose top-left pixel is (x, y); nothing here.
  void Paint(TCanvas& canvas, int x, int y) override;

  // Takes the hits atomically; below 1 HP the object dies with no reason. HP is held within the
  // 32-bit range.
  void TakeHits(int32_t amount, int64_t hits) override;
  // Records "rip: " + reason (when there is one), raises "flower died" and removes the object's
  // slot from its cell, which destroys the object: the caller must not touch it afterwards.
  void Die(const WideString& reason = {});
  // Stores `hp` atomically and returns the hit points it replaced.
  int32_t ExchangeHP(int32_t hp) override { return hp_.exchange(hp); }
  // Adds `amount` hit points atomically and returns the hit points that result, held within the
  // 32-bit range.
  int32_t AddHP(int32_t amount) { return AtomicAddSaturated(hp_, amount); }

  // True when no level line exists for the current level: the countdown has stopped.
  bool AtMaxLevel() const;
  // HP x 100 / MaxHP exactly, rounded to the nearest (ties to even), never below 0; 0 when MaxHP
  // is not above 0.
  int32_t HPPercent() const;

  TSWMapCellSlots& Slots() const { return *slots_; }
  TSWPlayer* Player() const { return player_; }
  int32_t Level() const { return level_; }
  int32_t HP() const override { return hp_.load(); }
  int32_t MaxHP() const override { return maxHP_; }
  const TTickList& LevelTicks() const { return levelTicks_; }
  int32_t TicksLeft() const { return ticksLeft_; }
  bool SideBySide() const { return sideBySide_; }
  const WideString& Name() const override { return name_; }
  int32_t ManaPerTick() const { return manaPerTick_; }
  const WideString& DeathReason() const { return deathReason_; }
  TSWAbilityList& Abilities() const { return *abilities_; }

 protected:
  // The tick list and the abilities go first, while the object is whole.
  void BeforeDestruction() override;
  // Reads the object configuration of section `name`: HP and MaxHP (100 when absent), ManaPerTick
  // for the store's tick mode (0 when absent, never below 0), the level ticks from the first file
  // that has the section `name` + " levels", and the ticks of level 0 (0 without levels).
  void LoadConfig(const WideString& name);
  // The store; fails with "%s needs a configuration store." (EInvalidOperation) without one.
  TSWConfig& RequireConfig() const;

  bool sideBySide_ = false;

 private:
  template <class T>
  friend TSWCellObject* NewFlower(TSWMapCellSlots* slots, TObject* player);

  // What the factory runs once the object is whole: the "tick" subscription, then Init.
  void Start();
  void OnTickEvent(TSWConfig* sender, const WideString& eventName, TObject* arg);
  // Replaces the abilities by the section Name + " abilities at " + (Level + 1) of the first
  // file that has it; without one the abilities stay.
  void UpdateAbilities();

  TSWMapCellSlots* slots_;
  TSWPlayer* player_;
  int32_t level_ = 0;
  std::atomic<int32_t> hp_ = 0;
  int32_t maxHP_ = 0;
  // Held in place: every tick reads it.
  TTickList levelTicks_;
  int32_t ticksLeft_ = 0;
  WideString name_;
  int32_t manaPerTick_ = 0;
  WideString deathReason_;
  std::unique_ptr<TSWAbilityList> abilities_;
};

// Constructs T in `slots` for `player`, subscribes it to "tick", then runs its Init. A
// TSWCellObjectFactory.
template <class T>
TSWCellObject* NewFlower(TSWMapCellSlots* slots, TObject* player) {
  TOwned<T> flower = MakeOwned<T>(TSWFlower::TCreationKey{}, slots, player);
  flower->Start();
  return flower.release();
}

// Makes T creatable by CreateFrom with the base TSWFlower, the family of every cell object.
template <class T>
void RegisterFlowerClass() {
  RegisterCellObjectFamily(TSWFlower::StaticClass());
  RegisterClass(T::StaticClass(), reinterpret_cast<TGenericFactory>(&NewFlower<T>));
}

// A new object of a class registered by RegisterFlowerClass.
TOwned<TSWFlower> CreateFlower(const TRegisteredClass& flowerClass, TSWMapCellSlots* slots,
                               TObject* player);
