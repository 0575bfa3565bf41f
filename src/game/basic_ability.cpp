#include "game/basic_ability.h"

#include "base/errors.h"
#include "game/flower.h"

SW_CLASS_DEFINE(TSWBasicAbility, TSWAbility)

void TSWBasicAbility::FireBy(TObject* firer) {
  TSWFlower* flower = As<TSWFlower>(firer);
  if (flower == nullptr) Raise<EComponentError>(u"%s.FireBy expected a TSWFlower.", {ClassName()});
  TSWAbility::FireBy(flower);
  firer_ = flower;
  try {
    Execute();
  } catch (...) {
    Cancel();
    throw;
  }
}
