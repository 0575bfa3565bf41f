#pragma once
// Ties one flower to one ability: the flower's own instance of the shared definition, the
// recharge countdown that follows every firing that ends, and auto-cast, which fires the
// ability by itself on every tick on which it is ready and idle.
#include <cstdint>

#include "config/sw_object.h"

class TSWAbility;
class TSWAbilityList;
class TSWFlower;

class TSWAbilityLink : public TSWObject {
  SW_CLASS(TSWAbilityLink)

  // Belongs to the list's flower; ready, with no auto-cast.
  TSWAbilityLink(TSWAbilityList* list, const WideString& name);
  ~TSWAbilityLink() override;

  // The flower's store.
  TSWConfig* GetConfig() const override;
  // The link's own clean-up, then its instance's.
  void BeforeDestruction() override;

  TSWFlower* Flower() const { return flower_; }
  // The ability specification.
  const WideString& Name() const { return name_; }
  // The shared definition in the store's ability registry, made on first request.
  TSWAbility& Ability() const;
  // The flower's own instance of the definition's class, loaded from its parameters, made on
  // first use; the link then follows its "fire" and "end".
  TSWAbility& Instance();

  bool Autocast() const { return autocast_; }
  // Only an autocastable kind can change it. Turning it on subscribes to "tick"; turning it off
  // leaves that subscription and only stops the firing.
  void SetAutocast(bool value);
  int32_t CooldownTotal() const { return cooldownTotal_; }
  int32_t CooldownLeft() const { return cooldownLeft_; }
  // The share of the recharge still to run, 0 to 100, exactly rounded to the nearest (ties to
  // even); 0 for a recharge of no ticks.
  int32_t RechargePercent() const;
  bool IsRecharging() const { return RechargePercent() != 0; }

  // A new recharge of the definition's Cooldown, counted down on "tick".
  void StartRecharge();
  // Fires the instance by the flower.
  void Fire();

  // "tick" counts the recharge down and auto-casts; the instance's "end" starts the recharge;
  // its "fire" fails with "%s is recharching and cannot be fired." (EInvalidOperation) while
  // recharging. Anything else fails with "TSWAbilityLink.OnEvent didn't know how to handle %s."
  // (EInvalidArgument).
  void OnEvent(TSWConfig* sender, const WideString& eventName, TObject* arg);

 private:
  TSWEventHandler Handler() { return TSWEventHandler::Of<&TSWAbilityLink::OnEvent>(this); }
  void SubscribeTick();
  bool IsInstanceEvent(const WideString& eventName, const WideString& name) const;
  void OnTick();

  TSWFlower* flower_;
  WideString name_;
  TOwned<TSWAbility> instance_;
  bool autocast_ = false;
  int32_t cooldownTotal_ = 1;
  int32_t cooldownLeft_ = 0;
};
