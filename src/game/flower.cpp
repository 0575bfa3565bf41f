#include "game/flower.h"

#include <algorithm>

#include "base/errors.h"
#include "base/rounding.h"
#include "config/config_store.h"
#include "config/package.h"
#include "map/map_cell_slots.h"

SW_CLASS_DEFINE(TSWFlower, TSWObject)

TSWFlower::TSWFlower(TCreationKey, TSWMapCellSlots* slots, TObject* player)
    : slots_(slots), player_(player) {
  if (player == nullptr || !player->ClassType().InheritsFromClassNamed(u"TSWPlayer"))
    Raise<EComponentError>(u"Flower must be created with a TSWPlayer Player.");
}

TSWConfig* TSWFlower::GetConfig() const { return slots_->Config(); }

void TSWFlower::Init() { sideBySide_ = false; }

WideString TSWFlower::GetCaption(const WideString& name) const {
  return RequireConfig().Lang(u"flower: " + (name.empty() ? name_ : name));
}

void TSWFlower::LoadFrom(const std::vector<WideString>& params) {
  if (params.empty()) Raise<EListError>(u"%s.LoadFrom() was passed empty Params.", {ClassName()});
  name_ = params[0];
  TSWConfig& config = RequireConfig();
  TSWPackage& package = config.RequirePackage();
  const int32_t hp = package.ReadInt(name_, u"HP", {u"MAP", u"objects"});
  maxHP_ = hp == -1 ? 100 : hp;
  hp_ = maxHP_;
  const int32_t mana =
      package.ReadIntFrom({u"MAP", u"objects"}, name_, {u"ManaPerTick"}, config.TickMode(), u" ");
  manaPerTick_ = std::max(mana, 0);
}

void TSWFlower::Paint(TCanvas& /*canvas*/, int /*x*/, int /*y*/) {}

void TSWFlower::Damage(int32_t amount) {
  if (hp_.fetch_sub(amount) - amount < 1) Die();
}

void TSWFlower::Die(const WideString& reason) {
  if (!reason.empty()) deathReason_ = u"rip: " + reason;
  if (TSWConfig* config = GetConfig()) config->Events().RaiseEvent(u"flower died", this);
  slots_->Remove(GetKind());
}

int32_t TSWFlower::HPPercent() const {
  if (maxHP_ <= 0) return 0;
  return std::max(RoundTiesEven(static_cast<double>(HP()) / maxHP_ * 100), 0);
}

TSWConfig& TSWFlower::RequireConfig() const {
  TSWConfig* config = GetConfig();
  if (config == nullptr)
    Raise<EInvalidOperation>(u"%s needs a configuration store.", {ClassName()});
  return *config;
}

std::unique_ptr<TSWFlower> CreateFlower(const TRegisteredClass& flowerClass, TSWMapCellSlots* slots,
                                        TObject* player) {
  const auto factory = reinterpret_cast<TSWFlowerFactory>(flowerClass.Factory);
  return std::unique_ptr<TSWFlower>(factory(slots, player));
}
