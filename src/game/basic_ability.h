#pragma once
// The base of every concrete ability kind: it is fired by a flower and then runs its kind's
// own step.
#include "game/ability.h"

class TSWFlower;

class TSWBasicAbility : public TSWAbility {
  SW_CLASS(TSWBasicAbility)

  using TSWAbility::TSWAbility;

  // Fails with "%s.FireBy expected a TSWFlower." (EComponentError) unless `firer` is a flower.
  // Otherwise fires, remembers the firer and runs Execute; when Execute fails, the ability is
  // cancelled and the failure reaches the caller.
  void FireBy(TObject* firer) override;

  // The flower that fired the ability last.
  TSWFlower* Firer() const { return firer_; }

 protected:
  // The kind's own step.
  virtual void Execute() = 0;

 private:
  TSWFlower* firer_ = nullptr;
};
