#pragma once
// An action of a flower, made from a specification such as "seed,weed": the kind word picks the
// class (TSWAbility_Seed), and all pieces are the ability's parameters. The store keeps one
// shared definition per specification; firing state lives in each flower's own instance.
//
// A fired ability ends in exactly one of two ways: EndFiring raises "end" (its link then starts
// recharging) or Cancel raises "cancel" (no recharge). Abilities that need target cells stay
// firing while the player chooses them.
#include <cstdint>
#include <memory>
#include <vector>

#include "config/sw_object.h"

class TPngImage;

class TSWAbility : public TSWObject {
  SW_CLASS(TSWAbility)

  // Abilities are made through their registered factory (RegisterAbilityClass), which also
  // runs Init once the object is whole, so a kind's own Init takes part.
  explicit TSWAbility(TSWConfig* config) : config_(config) {}

  TSWConfig* GetConfig() const override { return config_; }

  // Level 0, not autocastable, not firing.
  virtual void Init();
  // Params[0] is the Name, the ability's configuration section; all of them are kept for making
  // instances. Reads the icon names glyph16 and glyph32 from ("MAP", "abilities"), defaulting to
  // Name + " 16" and Name + " 32". Fails with "%s.LoadFrom() was passed empty Params."
  // (EListError) when there are none.
  virtual void LoadFrom(const std::vector<WideString>& params);

  // Starts firing: takes the Level of `firer` when it is a flower and raises "fire". Fails with
  // "%s is already firing." (EInvalidOperation) while firing. A "fire" handler vetoes by
  // failing: the ability is then idle again (without "cancel", since it never started) and the
  // failure reaches the caller.
  virtual void FireBy(TObject* firer);
  virtual bool IsFiring() const { return firing_; }
  // Stops firing without recharge: Firing off, then "cancel".
  virtual void Cancel();
  // Stops firing with recharge: Firing off, then "end".
  void EndFiring();

  // The package image "abilities/" + Glyph16 or Glyph32. Fails with "Wrong glyph size for
  // ability (%d)." (EListError) for any other size.
  virtual const TPngImage& GetGlyph(int size);
  // The language string "ability: " + `name`, the ability's own Name when `name` is empty.
  virtual WideString GetCaption(const WideString& name = {}) const;

  // Ticks of one recharge, drawn anew each time from "cooldown" (files "MAP", "abilities",
  // "RAISE"), the piece for the store's tick mode: a duration, or a range "low-high" split at the
  // first "-" not preceded by a backslash, which gives low up to high - 1. Fails with "Ability
  // cooldown for [%s] must be a number or a range (e.g. 1m-5m) but "%s" was given."
  // (EConvertError) when a duration does not parse, is below 0 (a hexadecimal bound such as
  // $80000000 reads as negative) or high is below low.
  int32_t Cooldown() const;
  // The integer piece `index` (blank-separated) of `key` in section Name, files ("MAP",
  // "abilities", "RAISE").
  int32_t ReadLevelInt(const WideString& key, int index) const;

  const WideString& Name() const { return name_; }
  const std::vector<WideString>& Params() const { return params_; }
  const WideString& Glyph16() const { return glyph16_; }
  const WideString& Glyph32() const { return glyph32_; }
  int32_t Level() const { return level_; }
  bool Autocastable() const { return autocastable_; }

 protected:
  int32_t level_ = 0;
  bool autocastable_ = false;
  bool firing_ = false;

 private:
  WideString ReadGlyph(const char16_t* key, const char16_t* defaultSuffix) const;

  TSWConfig* config_;
  WideString name_;
  std::vector<WideString> params_;
  WideString glyph16_;
  WideString glyph32_;
};

// What the class registry stores for an ability class, behind TGenericFactory.
using TSWAbilityFactory = TSWAbility* (*)(TSWConfig* config);

// Constructs T with the store, then runs its Init.
template <class T>
TSWAbility* NewAbility(TSWConfig* config) {
  TOwned<T> ability = MakeOwned<T>(config);
  ability->Init();
  return ability.release();
}

// Tells the store's ability registry how abilities are made (MakeAbility). Safe to call again.
void RegisterAbilityFamily();

// Makes T creatable by CreateFrom with the base TSWAbility.
template <class T>
void RegisterAbilityClass() {
  RegisterAbilityFamily();
  RegisterClass(T::StaticClass(), reinterpret_cast<TGenericFactory>(&NewAbility<T>));
}

// A new ability of a class registered by RegisterAbilityClass, made with the store.
TOwned<TSWAbility> CreateAbility(const TRegisteredClass& abilityClass, TSWConfig* config);
// CreateFrom(spec, TSWAbility), made with the store and loaded from the specification's
// parameters; a failure frees the new ability and propagates.
TOwned<TSWAbility> MakeAbility(TSWConfig* config, const WideString& spec);
