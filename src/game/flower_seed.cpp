#include "game/flower_seed.h"

#include <algorithm>

#include "base/errors.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "config/no_value.h"
#include "config/package.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"

SW_CLASS_DEFINE(TSWFlower_Seed, TSWSlotObject)

void TSWFlower_Seed::LoadFrom(const std::vector<WideString>& params) {
  if (params.size() < 2)
    Raise<EComponentError>(u"Seed accepts a mandatory FlowerName argument, none was passed.");
  TSWSlotObject::LoadFrom(params);
  flowerName_ = params[1];
  growth_ = RequireConfig().RequirePackage().ReadIntFrom({u"MAP", u"objects"}, Name() + u" growth",
                                                         {flowerName_, u"*"});
  flowerParams_ = params.size() >= 3 ? u"," + params[2] : WideString();
  LoadConfig(flowerName_);
  ExchangeHP(1);
}

void TSWFlower_Seed::OnTick() {
  TSWSlotObject::OnTick();
  if (AddHP(growth_) >= MaxHP()) Sprout();
}

void TSWFlower_Seed::Sprout() {
  if (!SoilSuits()) {
    Die(u"bad soil for seed");
    return;
  }
  if (TSWConfig* config = GetConfig()) config->Events().RaiseEvent(kEventFlowerGrown, this);
  // Adding the flower frees this seed: nothing of it may be touched afterwards.
  Slots().Add(flowerName_ + flowerParams_, Player());
}

bool TSWFlower_Seed::SoilSuits() const {
  WideString requirement = RequireConfig().RequirePackage().ReadStrFrom(
      {u"MAP", u"objects"}, Name() + u" soil req", {flowerName_, u"*"});
  if (requirement.empty() || requirement == NoValue) return true;
  std::erase(requirement, u' ');
  const WideString soil = u"," + Slots().Cell().Terrain() + u",";
  return (u"," + requirement + u",").find(soil) != WideString::npos;
}
