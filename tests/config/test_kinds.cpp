#include "test_kinds.h"

#include "base/errors.h"
#include "game/ability_kinds.h"
#include "map/soil_cells.h"
#include "support/test_class.h"

namespace {

class FailingAbility : public TSWAbility {
 public:
  SW_TEST_CLASS(u"TSWAbility_Failing", TSWAbility)
  using TSWAbility::TSWAbility;
  void LoadFrom(const std::vector<WideString>& params) override {
    TSWAbility::LoadFrom(params);
    Raise<EConvertError>(u"%s cannot load.", {Name()});
  }
};

// Named like an ability kind but outside the family.
class Rogue : public TObject {
 public:
  SW_TEST_CLASS(u"TSWAbility_Rogue", TObject)
};

void NoConstructor() {}

}  // namespace

const TClass& ProbeAbility::StaticClass() {
  static const TClass info{u"TSWAbility_Probe", &TSWAbility::StaticClass()};
  return info;
}

void RegisterTestKinds() {
  RegisterAbilityClass<ProbeAbility>();
  RegisterAbilityClass<FailingAbility>();
  RegisterClass(Rogue::StaticClass(), &NoConstructor);
  RegisterAbilityClasses();
  RegisterMapCellClasses();  // real kinds of another family, which an ability spec must not reach
}
