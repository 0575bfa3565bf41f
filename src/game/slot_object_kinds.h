#pragma once
// The weeds and the flowers proper. They differ in how high they stand in their cell, which
// cells their image reaches into, and two rules: a Melly feeds its owner mana, an Oracle raises
// its owner's insight.
#include "game/cell_state.h"

class TSWFlower_Weed : public TSWSlotObject {
  SW_CLASS(TSWFlower_Weed)

  using TSWSlotObject::TSWSlotObject;

  // Offset (0, -10).
  void Init() override;
  WideString GetKind() const override { return u"weed"; }
};

class TSWFlower_Bloomer : public TSWSlotObject {
  SW_CLASS(TSWFlower_Bloomer)

  using TSWSlotObject::TSWSlotObject;

  // Offset (0, -5).
  void Init() override;
};

class TSWFlower_Melly : public TSWFlower_Bloomer {
  SW_CLASS(TSWFlower_Melly)

  using TSWFlower_Bloomer::TSWFlower_Bloomer;

  // Offset (0, -1).
  void Init() override;
  void CoverCells() override {}
  // The flower's level change; then the owner's bonus "ManaPerTick" is the Melly's ManaPerTick.
  void SetLevel(int32_t newLevel) override;
};

class TSWFlower_Oracle : public TSWFlower_Bloomer {
  SW_CLASS(TSWFlower_Oracle)

  using TSWFlower_Bloomer::TSWFlower_Bloomer;

  // Offset (0, -4).
  void Init() override;
  // The flower's level change; then the owner's bonus "Insight" is the smaller of 4 (full
  // insight) and the level + 2.
  void SetLevel(int32_t newLevel) override;
};

class TSWFlower_Bean : public TSWFlower_Bloomer {
  SW_CLASS(TSWFlower_Bean)

  using TSWFlower_Bloomer::TSWFlower_Bloomer;

  // Offset (0, -2).
  void Init() override;
};

class TSWFlower_Vegbloomer : public TSWSlotObject {
  SW_CLASS(TSWFlower_Vegbloomer)

  using TSWSlotObject::TSWSlotObject;

  // Offset (0, -4).
  void Init() override;
};
