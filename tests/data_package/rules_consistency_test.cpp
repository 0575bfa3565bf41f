// The shipped rules hold together on every shipped map: each flower that can appear has the
// per-level values of every ability it has at every level it reaches, seeds can grow up
// somewhere on the map, and they sprout before their flower's first level comes round.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/upper_case.h"
#include "config/config_store.h"
#include "config/folder_package.h"
#include "config/no_value.h"
#include "containers/explode.h"
#include "data_package/shipped_data.h"
#include "game/ability.h"
#include "game/ability_kinds.h"
#include "game/tick_list.h"

namespace {

// One line of an "abilities at" section and the level it is used at.
struct TAbilityUse {
  WideString Flower;
  int Level;
  WideString Spec;  // without its flags
};

class ShippedRulesTest : public testing::Test {
 protected:
  ShippedRulesTest() {
    RegisterAbilityClasses();
    package.SetPath(ShippedDataPath());
    config.SetPackage(&package);
  }

  void UseMap(const WideString& map) {
    map_ = map;
    config.SetLoadedMapFile(&package.Ini(map));
  }
  TMemIniFileW& Map() { return package.Ini(map_); }

  // The ticks of each level of `flower` in `mode`, read with the game's own loader.
  std::vector<int> LevelTicks(const WideString& flower, TTickMode mode) {
    const WideString section = flower + u" levels";
    TTickList list(mode);
    if (const TMemIniFileW* ini = package.FindSection(section, {u"MAP", u"objects"}))
      list.LoadFrom(*ini, section);
    std::vector<int> ticks;
    for (int i = 0; i < list.Count(); ++i) ticks.push_back(list.Ticks(i));
    return ticks;
  }

  // The ability lines `flower` has at each of its levels; a level without its own section keeps
  // the lines of the level before.
  std::vector<TAbilityUse> AbilityUses(const WideString& flower) {
    std::vector<TAbilityUse> uses;
    std::vector<WideString> lines;
    const int levels = static_cast<int>(LevelTicks(flower, tmTurn).size()) + 1;
    for (int level = 0; level < levels; ++level) {
      const WideString section = flower + u" abilities at " + IntToWide(level + 1);
      if (const TMemIniFileW* ini = package.FindSection(section, {u"MAP", u"objects"}))
        lines = SectionLines(*ini, section);
      for (const WideString& line : lines) uses.push_back({flower, level, LineName(line)});
    }
    return uses;
  }

  // Every flower the map puts down or an ability of such a flower can plant, and which of them
  // can be seeds.
  void GatherFlowers() {
    flowers_.clear();
    seeds_.clear();
    std::vector<WideString> pending;
    for (const WideString& player : MapPlayers(Map()))
      for (const WideString& spec : PlayerObjects(Map(), player)) {
        const std::vector<WideString> pieces = SpecPieces(spec);
        pending.push_back(PlantedFlowerOf(pieces));
        if (SameTextW(pieces[0], u"seed")) seeds_.insert(PlantedFlowerOf(pieces));
      }
    while (!pending.empty()) {
      const WideString flower = WideLowerCase(pending.back());
      pending.pop_back();
      if (!flowers_.insert(flower).second) continue;
      for (const TAbilityUse& use : AbilityUses(flower)) {
        const WideString planted = SeedFlowerOf(SpecPieces(use.Spec));
        if (planted.empty()) continue;
        seeds_.insert(WideLowerCase(planted));
        pending.push_back(planted);
      }
    }
  }

  std::set<WideString> MapTerrains() {
    std::set<WideString> terrains;
    for (const std::vector<WideString>& row : MapTiles(Map()))
      for (const WideString& tile : row) terrains.insert(WideLowerCase(Trim(tile)));
    return terrains;
  }

  void Fault(const WideString& what, const std::string& why) {
    faults_.push_back(Narrow(map_ + u": " + what) + ": " + why);
  }

  // The values the ability `use` reads when its flower fires it at its level.
  void CheckAbilityUse(const TAbilityUse& use) {
    const WideString what = use.Flower + u" at level " + IntToWide(use.Level) + u", " + use.Spec;
    try {
      TSWAbility& ability = config.Abilities().Get(use.Spec);
      for (const TTickMode mode : {tmTurn, tmRealTime}) {
        config.SetTickMode(mode);
        if (ability.Cooldown() < 1) Fault(what, "a cooldown below one tick");
      }
      const WideString kind = WideLowerCase(ability.Name());
      const WideString planted = SeedFlowerOf(ability.Params());
      if (kind == u"seed" || kind == u"vegetate" || kind == u"spread") {
        if (PlantingValue(kind + u" distances", planted, use.Level) < 1)
          Fault(what, "no distance to plant at");
      }
      if (kind == u"seed" || kind == u"vegetate") {
        if (PlantingValue(kind + u" mana req", planted, use.Level) < 0)
          Fault(what, "no mana requirement");
      }
      if (kind == u"spread") {
        if (ability.ReadLevelInt(u"damage", use.Level) < 1) Fault(what, "no damage");
        if (ability.ReadLevelInt(u"damage distance", use.Level) < 0)
          Fault(what, "no damage distance");
      }
    } catch (const Exception& error) {
      Fault(what, error.what());
    }
  }

  int32_t PlantingValue(const WideString& section, const WideString& flower, int level) {
    return package.ReadIntFrom({u"MAP", u"abilities"}, section, {flower, u"*"}, level);
  }

  // A seed of `flower` grows up on some soil of the map, and sprouts before its flower's first
  // level is due (the seed counts down the flower's levels while it grows).
  void CheckSeed(const WideString& flower) {
    const WideString what = u"seed of " + flower;
    try {
      const int32_t growth =
          package.ReadIntFrom({u"MAP", u"objects"}, u"seed growth", {flower, u"*"});
      if (growth < 1) return Fault(what, "does not grow");
      const WideString requirement =
          package.ReadStrFrom({u"MAP", u"objects"}, u"seed soil req", {flower, u"*"});
      if (requirement == NoValue) return Fault(what, "has no soil requirement");
      if (!GrowsOnMap(requirement)) Fault(what, "finds no soil it grows on");
      const int32_t hp = package.ReadInt(flower, u"HP", {u"MAP", u"objects"});
      const int32_t sproutTick = ((hp == -1 ? 100 : hp) - 1 + growth - 1) / growth;
      for (const TTickMode mode : {tmTurn, tmRealTime}) {
        const std::vector<int> ticks = LevelTicks(flower, mode);
        if (!ticks.empty() && ticks[0] <= sproutTick)
          Fault(what, "reaches level 1 on tick " + std::to_string(ticks[0]) +
                          " before it sprouts on tick " + std::to_string(sproutTick));
      }
    } catch (const Exception& error) {
      Fault(what, error.what());
    }
  }

  bool GrowsOnMap(WideString requirement) {
    if (requirement.empty()) return true;
    std::erase(requirement, u' ');
    const std::set<WideString> terrains = MapTerrains();
    const std::vector<WideString> soils = Explode(u",", requirement);
    return std::any_of(soils.begin(), soils.end(),
                       [&](const WideString& soil) { return terrains.contains(soil); });
  }

  TSWFolderPackage package;
  TSWConfig config;
  std::set<WideString> flowers_;
  std::set<WideString> seeds_;
  std::vector<std::string> faults_;

 private:
  WideString map_;
};

TEST_F(ShippedRulesTest, EveryAbilityHasItsValuesAtEveryLevelOfItsFlower) {
  for (const WideString& map : ShippedMaps()) {
    UseMap(map);
    GatherFlowers();
    for (const WideString& flower : flowers_)
      for (const TAbilityUse& use : AbilityUses(flower)) CheckAbilityUse(use);
  }
  EXPECT_EQ(faults_, std::vector<std::string>());
}

TEST_F(ShippedRulesTest, EverySeedGrowsUpOnItsMapBeforeItsFirstLevel) {
  for (const WideString& map : ShippedMaps()) {
    UseMap(map);
    GatherFlowers();
    EXPECT_FALSE(seeds_.empty()) << Narrow(map);
    for (const WideString& seed : seeds_) CheckSeed(seed);
  }
  EXPECT_EQ(faults_, std::vector<std::string>());
}

}  // namespace
