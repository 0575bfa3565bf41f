#pragma once
// Classes registered by name for the factory tests: ability kinds made for the tests, and
// stand-ins named like kinds of the game (used only while the game's own are not registered).
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

// Registers the test kinds, the cell kinds, and a stand-in for an ability kind of the game that
// is not registered yet.
void RegisterTestKinds();
