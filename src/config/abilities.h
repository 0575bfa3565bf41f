#pragma once
// The store's registry of ability definitions: one shared ability per specification text, made on
// its first request. Keys are compared without regard to letter case, but any other difference,
// blanks included, makes another ability.
#include "containers/object_hash.h"

class TSWAbility;
class TSWConfig;

class TSWAbilities : public TObjectHash {
  SW_CLASS(TSWAbilities)

  // Not owning in the list's sense: entries are never replaced or deleted while the store runs.
  explicit TSWAbilities(TSWConfig* config);
  ~TSWAbilities() override;

  TSWConfig* Config() const { return config_; }

  // The ability registered under `spec`; otherwise one made by CreateFrom(spec, TSWAbility) with
  // the store and loaded from the specification's parameters, then registered. When loading
  // fails, the new ability is destroyed and the failure propagates.
  TSWAbility& Get(const WideString& spec);

  // Destroys every ability made here and empties the registry. The store calls it while its
  // event registry and bonus map still exist, since each ability withdraws from both.
  void FreeAbilities();

 private:
  TSWConfig* config_;
};
