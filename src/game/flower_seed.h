#pragma once
// A seed: it takes the slot of the flower it grows into, adds its growth to its hit points on
// every tick, and when they are full and the cell's soil suits the flower, replaces itself by
// that flower in the same slot.
#include <cstdint>

#include "game/cell_state.h"

class TSWFlower_Seed : public TSWSlotObject {
  SW_CLASS(TSWFlower_Seed)

  using TSWSlotObject::TSWSlotObject;

  // A seed of a weed shares a cell with a flower.
  WideString GetKind() const override { return SlotFor(flowerName_); }
  // The slot a seed of `flowerName` takes: a weed's seed shares a cell with a flower.
  static WideString SlotFor(const WideString& flowerName) {
    return flowerName == u"weed" ? u"weed" : u"flower";
  }
  void CoverCells() override {}
  // Params[1] names the flower (mandatory), Params[2] is handed on to it. After the seed's own
  // loading: Growth from the section Name + " growth" (key FlowerName, else "*"; -1 when
  // neither exists), the flower's configuration (so MaxHP is the grown flower's HP), HP := 1.
  // Fails with "Seed accepts a mandatory FlowerName argument, none was passed."
  // (EComponentError).
  void LoadFrom(const std::vector<WideString>& params) override;
  // The level countdown, then growth; at full hit points the seed sprouts, which frees it.
  void OnTick() override;

  const WideString& FlowerName() const { return flowerName_; }
  const WideString& FlowerParams() const { return flowerParams_; }
  int32_t Growth() const { return growth_; }

 private:
  // Dies with "bad soil for seed" when the cell's soil is not in the requirement; else raises
  // "flower grown" and puts the flower in the seed's slot, which frees the seed.
  void Sprout();
  // The section Name + " soil req" lists (key FlowerName, else "*") the soil names, separated by
  // commas, on which the flower grows. An empty or absent requirement accepts every soil.
  bool SoilSuits() const;

  WideString flowerName_;
  WideString flowerParams_;
  int32_t growth_ = 0;
};
