#pragma once
// The cell kinds a map's tiles name: null cells show an overlay above everything they hold;
// soil cells give the objects placed on them a hit-point bonus, and clay, loamy and fertile
// soil also paint their own image.
#include "map/map_cell.h"

class TSWMapCell_Null : public TSWMapCell {
  SW_CLASS(TSWMapCell_Null)
  using TSWMapCell::TSWMapCell;

  // The "cell null" overlay after everything else of the cell.
  void Paint(TCanvas& canvas) override;
};

class TSWMapCell_Soil : public TSWMapCell {
  SW_CLASS(TSWMapCell_Soil)
  using TSWMapCell::TSWMapCell;

  // Every object but a seed gains SoilBonus x MaxHP hit points (rounded to the nearest, ties to
  // even), which may take HP above MaxHP or, for a negative bonus, lower it.
  void SlotAdded(TSWCellObject& object) override;
  // The [Soil bonuses] percentage for the Terrain, else for "*", from the map file then
  // objects.ini, as a fraction; 0 when neither is given or the value is -1.
  virtual float SoilBonus() const;
};

class TSWMapCell_Clay : public TSWMapCell_Soil {
  SW_CLASS(TSWMapCell_Clay)
  using TSWMapCell_Soil::TSWMapCell_Soil;
  void Init() override;
};

class TSWMapCell_Loamy : public TSWMapCell_Soil {
  SW_CLASS(TSWMapCell_Loamy)
  using TSWMapCell_Soil::TSWMapCell_Soil;
  void Init() override;
};

class TSWMapCell_Fertile : public TSWMapCell_Soil {
  SW_CLASS(TSWMapCell_Fertile)
  using TSWMapCell_Soil::TSWMapCell_Soil;
  void Init() override;
};

// A [Soil bonuses] percentage as the fraction SoilBonus gives: 0 for -1 (no bonus).
float SoilBonusFraction(int32_t percent);
// The hit points, not yet rounded, of an object of `hp` and `maxHP` put on a soil of `bonus`
// (a fraction). Before it is stored it is rounded and held within the 32-bit range.
double HPWithSoilBonus(int32_t hp, int32_t maxHP, float bonus);

// Registers the five kinds for CreateFrom: null, clay, loamy, soil, fertile.
void RegisterMapCellClasses();
