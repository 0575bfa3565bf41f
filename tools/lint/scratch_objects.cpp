#include "lint/scratch_objects.h"

#include "config/object_factory.h"
#include "game/flower.h"
#include "lint/lint_data.h"

TOwned<TSWFlower> MakeUnloadedObject(TLintData& data, const TTypeSpec& type) {
  return CreateFlower(*type.Class, &data.ScratchSlots(), &data.Owner());
}
