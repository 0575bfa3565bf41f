#include "config/abilities.h"

#include <memory>
#include <vector>

#include "config/object_factory.h"
#include "game/ability.h"

SW_CLASS_DEFINE(TSWAbilities, TObjectHash)

TSWAbilities::TSWAbilities(TSWConfig* config) : TObjectHash(false), config_(config) {}

TSWAbilities::~TSWAbilities() { FreeAbilities(); }

TSWAbility& TSWAbilities::Get(const WideString& spec) {
  if (TSWAbility* known = As<TSWAbility>(Find(spec))) return *known;
  const TTypeSpec type = CreateFrom(spec, TSWAbility::StaticClass());
  std::unique_ptr<TSWAbility> ability = CreateAbility(*type.Class, config_);
  ability->LoadFrom(type.Params);
  AddObject(spec, ability.get());
  return *ability.release();
}

void TSWAbilities::FreeAbilities() {
  // The list is emptied first, so a "free" handler never finds a dying ability here.
  std::vector<TObject*> abilities;
  for (int i = 0; i < Count(); ++i) abilities.push_back(Objects(i));
  Clear();
  for (TObject* ability : abilities) delete ability;
}
