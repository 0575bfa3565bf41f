#pragma once
// The base of every object that lives in a cell's slots: flowers, seeds and weeds, and the cell
// states (puddles, fences, paths, light and shadow). It gives each object an owner player, hit
// points with damage and death, and a mana-per-tick value, all read from the object's section
// of the loaded map file or objects.ini.
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "config/sw_object.h"

class TCanvas;
class TSWMapCellSlots;

class TSWFlower : public TSWObject {
  SW_CLASS(TSWFlower)

  // Objects are made only through NewFlower, which runs Init once the object is whole; the key
  // keeps anything else from constructing one and forgetting it.
  class TCreationKey {
    TCreationKey() = default;
    template <class T>
    friend TSWFlower* NewFlower(TSWMapCellSlots* slots, TObject* player);
  };

  // `player` must be of a class named TSWPlayer (or a descendant): else fails with "Flower must
  // be created with a TSWPlayer Player." (EComponentError).
  TSWFlower(TCreationKey, TSWMapCellSlots* slots, TObject* player);

  // The store of the slots' cell.
  TSWConfig* GetConfig() const override;

  // Resets the kind's own fields: not side by side here.
  virtual void Init();
  // Asks the map to repaint the cells the object's image reaches into; none here.
  virtual void InvalidateCells() {}
  // The name of the slot the object occupies in its cell; the Name here.
  virtual WideString GetKind() const { return name_; }
  // Objects of a cell are drawn in ascending paint order.
  virtual int16_t PaintOrder() const { return 0; }
  // The language string "flower: " + name, the object's own Name when `name` is empty. Fails
  // when the language file lacks it.
  virtual WideString GetCaption(const WideString& name = {}) const;
  // Params[0] is the Name; then HP and MaxHP from the section's HP (100 when absent) and
  // ManaPerTick from the value for the store's tick mode (0 when absent, never below 0). Fails
  // with "%s.LoadFrom() was passed empty Params." (EListError) when there are none.
  virtual void LoadFrom(const std::vector<WideString>& params);
  // Draws the object in the cell whose top-left pixel is (x, y); nothing here.
  virtual void Paint(TCanvas& canvas, int x, int y);

  // Takes `amount` hit points atomically; below 1 the object dies with no reason.
  void Damage(int32_t amount);
  // Records "rip: " + reason (when there is one), raises "flower died" and removes the object's
  // slot from its cell, which destroys the object: the caller must not touch it afterwards.
  void Die(const WideString& reason = {});
  // Stores `hp` atomically and returns the hit points it replaced.
  int32_t ExchangeHP(int32_t hp) { return hp_.exchange(hp); }

  // HP / MaxHP x 100, rounded to the nearest (ties to even), never below 0; 0 when MaxHP is not
  // above 0.
  int32_t HPPercent() const;

  TSWMapCellSlots& Slots() const { return *slots_; }
  TObject* Player() const { return player_; }
  int32_t Level() const { return level_; }
  int32_t HP() const { return hp_.load(); }
  int32_t MaxHP() const { return maxHP_; }
  bool SideBySide() const { return sideBySide_; }
  const WideString& Name() const { return name_; }
  int32_t ManaPerTick() const { return manaPerTick_; }
  const WideString& DeathReason() const { return deathReason_; }

 protected:
  bool sideBySide_ = false;

 private:
  TSWConfig& RequireConfig() const;

  TSWMapCellSlots* slots_;
  TObject* player_;
  int32_t level_ = 0;
  std::atomic<int32_t> hp_ = 0;
  int32_t maxHP_ = 0;
  WideString name_;
  int32_t manaPerTick_ = 0;
  WideString deathReason_;
};

// What the class registry stores for an object class, behind TGenericFactory.
using TSWFlowerFactory = TSWFlower* (*)(TSWMapCellSlots* slots, TObject* player);

// Constructs T in `slots` for `player`, then runs its Init.
template <class T>
TSWFlower* NewFlower(TSWMapCellSlots* slots, TObject* player) {
  std::unique_ptr<T> flower = std::make_unique<T>(TSWFlower::TCreationKey{}, slots, player);
  flower->Init();
  return flower.release();
}

// Makes T creatable by CreateFrom with the base TSWFlower.
template <class T>
void RegisterFlowerClass() {
  RegisterClass(T::StaticClass(), reinterpret_cast<TGenericFactory>(&NewFlower<T>));
}

// A new object of a class registered by RegisterFlowerClass.
std::unique_ptr<TSWFlower> CreateFlower(const TRegisteredClass& flowerClass, TSWMapCellSlots* slots,
                                        TObject* player);
