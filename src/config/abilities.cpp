#include "config/abilities.h"

#include <vector>

#include "base/errors.h"
#include "config/sw_object.h"

SW_CLASS_DEFINE(TSWAbilities, TObjectHash)

namespace {

TSWAbilities::TFamily abilityFamily{};

const TSWAbilities::TFamily& RequireFamily() {
  if (abilityFamily.Make == nullptr)
    Raise<EInvalidOperation>(u"No class of abilities is registered.");
  return abilityFamily;
}

}  // namespace

void TSWAbilities::RegisterFamily(const TFamily& family) { abilityFamily = family; }

TSWAbilities::TSWAbilities(TSWConfig* config) : TObjectHash(false), config_(config) {}

TSWAbilities::~TSWAbilities() {
  RunDeferringErrors([this] { FreeAbilities(); });
}

TSWObject& TSWAbilities::GetObject(const WideString& spec) {
  const TFamily& family = RequireFamily();
  TObject* known = Find(spec);
  if (known != nullptr && known->InheritsFrom(*family.BaseClass))
    return static_cast<TSWObject&>(*known);
  return AddOwned(spec, family.Make(config_, spec));
}

void TSWAbilities::FreeAbilities() {
  // The list is emptied first, so a "free" handler never finds a dying ability here.
  std::vector<TObject*> abilities;
  for (int i = 0; i < Count(); ++i) abilities.push_back(Objects(i));
  Clear();
  TFirstError errors;
  for (TObject* ability : abilities) errors.Run([ability] { FreeObject(ability); });
  errors.Rethrow();
}
