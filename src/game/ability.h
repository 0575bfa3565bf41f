#pragma once
// An action of a flower, made from a specification such as "seed,weed": the kind word picks the
// class (TSWAbility_Seed), and all pieces are the ability's parameters. The store keeps one
// shared definition per specification; firing state lives in each flower's own instance.
#include <cstdint>
#include <memory>
#include <vector>

#include "config/sw_object.h"

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

  const WideString& Name() const { return name_; }
  const std::vector<WideString>& Params() const { return params_; }
  const WideString& Glyph16() const { return glyph16_; }
  const WideString& Glyph32() const { return glyph32_; }
  int32_t Level() const { return level_; }
  bool Autocastable() const { return autocastable_; }
  bool IsFiring() const { return firing_; }

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
  std::unique_ptr<T> ability = std::make_unique<T>(config);
  ability->Init();
  return ability.release();
}

// Makes T creatable by CreateFrom with the base TSWAbility.
template <class T>
void RegisterAbilityClass() {
  RegisterClass(T::StaticClass(), reinterpret_cast<TGenericFactory>(&NewAbility<T>));
}

// A new ability of a class registered by RegisterAbilityClass, made with the store.
std::unique_ptr<TSWAbility> CreateAbility(const TRegisteredClass& abilityClass, TSWConfig* config);
