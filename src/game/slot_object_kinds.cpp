#include "game/slot_object_kinds.h"

#include <algorithm>

#include "config/config_store.h"

SW_CLASS_DEFINE(TSWFlower_Weed, TSWSlotObject)
SW_CLASS_DEFINE(TSWFlower_Bloomer, TSWSlotObject)
SW_CLASS_DEFINE(TSWFlower_Melly, TSWFlower_Bloomer)
SW_CLASS_DEFINE(TSWFlower_Oracle, TSWFlower_Bloomer)
SW_CLASS_DEFINE(TSWFlower_Bean, TSWFlower_Bloomer)
SW_CLASS_DEFINE(TSWFlower_Vegbloomer, TSWSlotObject)

void TSWFlower_Weed::Init() {
  TSWSlotObject::Init();
  paintDY_ = -10;
}

void TSWFlower_Bloomer::Init() {
  TSWSlotObject::Init();
  paintDY_ = -5;
}

void TSWFlower_Melly::Init() {
  TSWFlower_Bloomer::Init();
  paintDY_ = -1;
}

void TSWFlower_Melly::SetLevel(int32_t newLevel) {
  TSWFlower_Bloomer::SetLevel(newLevel);
  RequireConfig().Bonuses().SetBonus(Player(), u"ManaPerTick", ManaPerTick(), this);
}

void TSWFlower_Oracle::Init() {
  TSWFlower_Bloomer::Init();
  paintDY_ = -4;
}

void TSWFlower_Oracle::SetLevel(int32_t newLevel) {
  TSWFlower_Bloomer::SetLevel(newLevel);
  const int32_t insight = std::min<int32_t>(piFull, newLevel + 2);
  RequireConfig().Bonuses().SetBonus(Player(), u"Insight", insight, this);
}

void TSWFlower_Bean::Init() {
  TSWFlower_Bloomer::Init();
  paintDY_ = -2;
}

void TSWFlower_Vegbloomer::Init() {
  TSWSlotObject::Init();
  paintDY_ = -4;
}
