#include "game/ability_link.h"

#include <algorithm>

#include "base/errors.h"
#include "base/rounding.h"
#include "config/config_store.h"
#include "config/event_hash.h"
#include "config/event_names.h"
#include "game/ability.h"
#include "game/ability_list.h"
#include "game/flower.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/map_file_place.h"

SW_CLASS_DEFINE(TSWAbilityLink, TSWObject)

TSWAbilityLink::TSWAbilityLink(TSWAbilityList* list, const WideString& name)
    : flower_(list->Flower()), name_(name) {}

TSWAbilityLink::~TSWAbilityLink() = default;

TSWConfig* TSWAbilityLink::GetConfig() const { return flower_->GetConfig(); }

void TSWAbilityLink::BeforeDestruction() {
  TFirstError errors;
  errors.Run([&] { TSWObject::BeforeDestruction(); });
  errors.Run([&] { FreeObject(instance_.release()); });
  errors.Rethrow();
}

TSWAbility& TSWAbilityLink::Ability() const { return GetConfig()->Abilities().Get(name_); }

TSWAbility& TSWAbilityLink::Instance() {
  if (instance_) return *instance_;
  const TSWAbility& definition = Ability();
  TOwned<TSWAbility> instance =
      CreateAbility(*FindRegisteredClass(definition.ClassName()), GetConfig());
  instance->LoadFrom(definition.Params());
  instance->Subscribe(kEventFire, Handler());
  instance->Subscribe(kEventEnd, Handler());
  instance_ = std::move(instance);
  return *instance_;
}

void TSWAbilityLink::SetAutocast(bool value) {
  if (!Ability().Autocastable() || value == autocast_) return;
  autocast_ = value;
  if (value) SubscribeTick();
}

int32_t TSWAbilityLink::RechargePercent() const {
  if (cooldownTotal_ <= 0) return 0;
  return PercentTiesEven(cooldownLeft_, cooldownTotal_);
}

void TSWAbilityLink::StartRecharge() {
  cooldownTotal_ = cooldownLeft_ = Ability().Cooldown();
  SubscribeTick();
}

void TSWAbilityLink::Fire() { Instance().FireBy(flower_); }

void TSWAbilityLink::OnEvent(TSWConfig* /*sender*/, const WideString& eventName, TObject* arg) {
  if (eventName == kEventTick) {
    OnTick();
  } else if (IsInstanceEvent(eventName, kEventEnd)) {
    StartRecharge();
  } else if (IsInstanceEvent(eventName, kEventFire)) {
    if (IsRecharging())
      Raise<EInvalidOperation>(u"%s is recharching and cannot be fired.",
                               {(arg ? arg : instance_.get())->ClassName()});
  } else {
    Raise<EInvalidArgument>(u"TSWAbilityLink.OnEvent didn't know how to handle %s.", {eventName});
  }
}

void TSWAbilityLink::SubscribeTick() { GetConfig()->Events().AddHandler(kEventTick, Handler()); }

bool TSWAbilityLink::IsInstanceEvent(const WideString& eventName, const WideString& name) const {
  return instance_ && IsObjectEvent(eventName, name) &&
         StartsWith(eventName, ObjectToken(instance_.get()));
}

void TSWAbilityLink::OnTick() {
  cooldownLeft_ = std::max(0, cooldownLeft_ - 1);
  if (!autocast_ || IsRecharging() || Instance().IsFiring()) return;
  const TSWMapCell& cell = flower_->Slots().Cell();
  AtPlace([x = cell.X(), y = cell.Y()] { return CellPlace(x, y); }, [this] { Fire(); });
}
