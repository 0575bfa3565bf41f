#pragma once
// The ability kinds of the game: planting seeds in chosen cells (seed, vegetate), spreading
// (damage around, then one seed nearby by itself) and removing the path from the firer's cell.
#include <cstdint>
#include <memory>
#include <vector>

#include "game/targetable_ability.h"

class TPngImage;
class TSWCellObject;

// "seed,<flower>[,<parameter>]": pays the flower's mana requirement, then plants a seed of it in
// the cell the player picks among those the flood reaches.
class TSWAbility_Seed : public TSWTargetableAbility {
  SW_CLASS(TSWAbility_Seed)

  using TSWTargetableAbility::TSWTargetableAbility;
  ~TSWAbility_Seed() override;

  // Params[1] is the SeedFlower, Params[2] an optional parameter for the seed. Fails with "Seed
  // ability needs at least 2 parameters." (EListError) with fewer.
  void LoadFrom(const std::vector<WideString>& params) override;
  // 32: the seed's flower standing bottom-aligned and centred, with the 16-pixel icon over its
  // top-left corner; composed once.
  const TPngImage& GetGlyph(int size) override;

  // Plants "seed," + SeedFlower + SeedParams for the firer's player in each cell, in order,
  // then ends firing.
  void ApplyTo(TSWBasicMap& map, const TCoordsList& coords) override;
  // DistanceAt the firer's level.
  int32_t Distance() const override;
  // ManaRequirementAt the firer's level. A requirement that is absent (or below 0) costs nothing:
  // an ability never gives mana.
  int32_t ManaRequirement() const;
  // Section Name + " distances", key SeedFlower or else "*", piece `level`; -1 when absent.
  int32_t DistanceAt(int32_t level) const { return ReadSeedInt(u" distances", level); }
  // Section Name + " mana req", key SeedFlower or else "*", piece `level`; -1 when absent.
  int32_t ManaRequirementAt(int32_t level) const { return ReadSeedInt(u" mana req", level); }

  const WideString& SeedFlower() const { return seedFlower_; }
  const WideString& SeedParams() const { return seedParams_; }

 protected:
  // Pays the mana requirement, then starts the selection. Fails with "This flower requires %d
  // mana but you had %d." (EInvalidArgument) leaving the pool as it was.
  void Execute() override;
  // The piece `level` of key SeedFlower (else "*") in section Name + `suffix`.
  int32_t ReadSeedInt(const WideString& suffix, int32_t level) const;
  void PayManaRequirement();

  std::unique_ptr<TPngImage> glyph32Image_;

 private:
  std::unique_ptr<TPngImage> ComposeGlyph32();

  WideString seedFlower_;
  WideString seedParams_;
};

// A seed ability that the flood cannot carry past flowers and puddles and that cannot plant in
// a fenced cell.
class TSWAbility_Vegetate : public TSWAbility_Seed {
  SW_CLASS(TSWAbility_Vegetate)

  using TSWAbility_Seed::TSWAbility_Seed;

  // 32: a fresh copy of the package image "abilities\vegetate 32".
  const TPngImage& GetGlyph(int size) override;
  bool Blocks(const TSWMapCell& cell) const override;
  bool CanTarget(const TSWMapCell& cell) const override;
};

// Damages the objects of every other player around the firer, then plants one seed in a cell
// the flood reaches, without asking the player. Autocastable.
class TSWAbility_Spread : public TSWAbility_Seed {
  SW_CLASS(TSWAbility_Spread)

  using TSWAbility_Seed::TSWAbility_Seed;

  void Init() override;
  // The flood stops at a "weed" or a "puddle".
  bool Blocks(const TSWMapCell& cell) const override;
  // Spread never selects.
  void EndSelection() override {}

  // "damage distance" and "damage" at `level` (required).
  int32_t DamageDistanceAt(int32_t level) const { return ReadLevelInt(u"damage distance", level); }
  int32_t DamageAt(int32_t level) const { return ReadLevelInt(u"damage", level); }

 protected:
  // "damage" to every object of another player within "damage distance" of the firer's cell
  // (both per level, required), then the seed goes to the first cell the flood reached besides
  // the firer's own and the ability ends; with no such cell it just ends.
  void Execute() override;

 private:
  bool IsOtherPlayers(TSWCellObject* object) const;
  // The flood adds its start cell first or not at all.
  void DropFirersCell();
  // Leaves MaxTargets entries, always keeping the first.
  void PruneTargets();
};

// Removes the path from the firer's cell; cancels when there is none. Autocastable.
class TSWAbility_RemovePath : public TSWBasicAbility {
  SW_CLASS(TSWAbility_RemovePath)

  using TSWBasicAbility::TSWBasicAbility;

  void Init() override;

 protected:
  // Raises "path removed" with the cell's slots, removes the path and ends.
  void Execute() override;
};

// Makes the four kinds creatable by CreateFrom with the base TSWAbility.
void RegisterAbilityClasses();
