#pragma once
// The store's registry of ability definitions: one shared ability per specification text, made on
// its first request. Keys are compared without regard to letter case, but any other difference,
// blanks included, makes another ability.
#include "base/object_release.h"
#include "containers/object_hash.h"

class TSWAbility;
class TSWObject;
class TSWConfig;

class TSWAbilities : public TObjectHash {
  SW_CLASS(TSWAbilities)

  // How abilities are made: the class every ability descends from, and a function that makes one
  // for a store from its specification (CreateFrom, construction, LoadFrom), freeing it when
  // loading fails. The layer that defines the abilities registers it once at start-up.
  struct TFamily {
    const TClass* BaseClass;
    TOwned<TSWObject> (*Make)(TSWConfig* config, const WideString& spec);
  };
  static void RegisterFamily(const TFamily& family);

  // Not owning in the list's sense: entries are never replaced or deleted while the store runs.
  explicit TSWAbilities(TSWConfig* config);
  ~TSWAbilities() override;

  TSWConfig* Config() const { return config_; }

  // The ability registered under `spec`; otherwise one made by the family for the store, then
  // registered. When making it fails, nothing is registered and the failure propagates. Fails
  // with "No class of abilities is registered." (EInvalidOperation) before the family is.
  TSWObject& GetObject(const WideString& spec);
  // The same, as the game's ability class (T completes it where it is used).
  template <class T = TSWAbility>
  T& Get(const WideString& spec) {
    return static_cast<T&>(GetObject(spec));
  }

  // Destroys every ability made here and empties the registry, passing on the first failure of a
  // clean-up once all are gone. The store calls it while its event registry and bonus map still
  // exist, since each ability withdraws from both.
  void FreeAbilities();

 private:
  TSWConfig* config_;
};
