#include "map/soil_cells.h"

#include "base/rounding.h"
#include "config/config_store.h"
#include "config/package.h"
#include "map/cell_object.h"

SW_CLASS_DEFINE(TSWMapCell_Null, TSWMapCell)
SW_CLASS_DEFINE(TSWMapCell_Soil, TSWMapCell)
SW_CLASS_DEFINE(TSWMapCell_Clay, TSWMapCell_Soil)
SW_CLASS_DEFINE(TSWMapCell_Loamy, TSWMapCell_Soil)
SW_CLASS_DEFINE(TSWMapCell_Fertile, TSWMapCell_Soil)

void TSWMapCell_Null::Paint(TCanvas& canvas) {
  TSWMapCell::Paint(canvas);
  const TPoint p = Position();
  DrawImage(canvas, u"cell null", p.X, p.Y);
}

void TSWMapCell_Soil::SlotAdded(TSWCellObject& object) {
  if (object.Name() == u"seed") return;
  object.ExchangeHP(RoundTiesEven(HPWithSoilBonus(object.HP(), object.MaxHP(), SoilBonus())));
}

float TSWMapCell_Soil::SoilBonus() const {
  TSWConfig* config = GetConfig();
  if (config == nullptr) return 0;
  return SoilBonusFraction(config->RequirePackage().ReadIntFrom(
      {u"MAP", u"objects"}, u"Soil bonuses", {Terrain(), u"*"}));
}

float SoilBonusFraction(int32_t percent) {
  return percent == -1 ? 0.0f : static_cast<float>(percent) / 100.0f;
}

double HPWithSoilBonus(int32_t hp, int32_t maxHP, float bonus) {
  return hp + double{bonus} * maxHP;
}

void TSWMapCell_Clay::Init() {
  TSWMapCell_Soil::Init();
  SetImageName(u"soil clay");
}

void TSWMapCell_Loamy::Init() {
  TSWMapCell_Soil::Init();
  SetImageName(u"soil loamy");
}

void TSWMapCell_Fertile::Init() {
  TSWMapCell_Soil::Init();
  SetImageName(u"soil fertile");
}

void RegisterMapCellClasses() {
  RegisterMapCellClass<TSWMapCell_Null>();
  RegisterMapCellClass<TSWMapCell_Clay>();
  RegisterMapCellClass<TSWMapCell_Loamy>();
  RegisterMapCellClass<TSWMapCell_Soil>();
  RegisterMapCellClass<TSWMapCell_Fertile>();
}
