#include "lint/scratch_objects.h"

#include "config/object_factory.h"
#include "game/ability.h"
#include "game/flower.h"
#include "lint/lint_data.h"

std::unique_ptr<TSWAbility> MakeAbility(TSWConfig& config, const WideString& spec) {
  const TTypeSpec type = CreateFrom(spec, TSWAbility::StaticClass());
  std::unique_ptr<TSWAbility> ability = CreateAbility(*type.Class, &config);
  ability->LoadFrom(type.Params);
  return ability;
}

std::unique_ptr<TSWFlower> MakeUnloadedObject(TLintData& data, const TTypeSpec& type) {
  return CreateFlower(*type.Class, &data.ScratchSlots(), &data.Owner());
}
