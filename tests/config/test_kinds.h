#pragma once
// Classes registered by name for the factory tests: ability kinds made for the tests, and a class
// named like an ability kind outside the family.
#include "base/tobject.h"
#include "game/ability.h"

// An ability kind whose Init marks it, counting the instances alive.
class ProbeAbility : public TSWAbility {
 public:
  static const TClass& StaticClass();
  const TClass& ClassType() const override { return StaticClass(); }

  explicit ProbeAbility(TSWConfig* config) : TSWAbility(config) { ++Alive; }
  ~ProbeAbility() override { --Alive; }
  void Init() override {
    TSWAbility::Init();
    autocastable_ = true;
  }

  static inline int Alive = 0;
};

// Registers the test kinds with the game's own ability and cell kinds beside them.
void RegisterTestKinds();
