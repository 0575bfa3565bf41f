#include "game/targetable_ability.h"

#include "base/errors.h"
#include "config/config_store.h"
#include "game/flower.h"
#include "game/map_flooder.h"
#include "map/coords_list.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/selectable_map.h"

SW_CLASS_DEFINE(TSWTargetableAbility, TSWBasicAbility)

TSWTargetableAbility::TSWTargetableAbility(TSWConfig* config)
    : TSWBasicAbility(config), targets_(std::make_unique<TCoordsList>()) {}

TSWTargetableAbility::~TSWTargetableAbility() { EndOwnSelection(); }

void TSWTargetableAbility::Init() {
  TSWBasicAbility::Init();
  maxTargets_ = 1;
}

void TSWTargetableAbility::Cancel() {
  EndSelection();
  TSWBasicAbility::Cancel();
}

bool TSWTargetableAbility::Blocks(const TSWMapCell& cell) const {
  return !cell.Slots().IsFree(u"fence");
}

bool TSWTargetableAbility::CanTarget(const TSWMapCell& cell) const {
  return targets_->Contains(cell.X(), cell.Y()) && !IsFirersCell(cell) &&
         cell.Slots().IsFree(u"puddle") && cell.Slots().IsFree(u"flower");
}

void TSWTargetableAbility::TargetsChosen(TSWSelectableMap* map) {
  try {
    ApplyTo(*map, map->Selection());
  } catch (...) {
    Cancel();
    throw;
  }
}

void TSWTargetableAbility::EndSelection() { EndOwnSelection(); }

void TSWTargetableAbility::EndOwnSelection() {
  TSWConfig* config = GetConfig();
  TSWSelectableMap* map = config ? As<TSWSelectableMap>(config->Map()) : nullptr;
  if (map && map->Selecting() && map->OnSelectionDone() == SelectionDone()) map->CancelSelection();
}

void TSWTargetableAbility::Execute() {
  TSWSelectableMap& map = Map();
  map.BeginSelection();
  map.SetRequiredCount(maxTargets_);
  map.SetFilter(TSWMapCellFilter::Of<&TSWTargetableAbility::CanTarget>(this));
  map.SetOnSelectionDone(SelectionDone());
  ComputeTargets();
  map.StartSelection();
}

void TSWTargetableAbility::ComputeTargets() {
  targets_->Clear();
  TSWMapFlooder flooder(&Map());
  flooder.SetFlooded(targets_.get());
  flooder.SetBlocks(TSWFloodBlocks::Of<&TSWTargetableAbility::Blocks>(this));
  const TSWMapCell& cell = Firer()->Slots().Cell();
  flooder.Start(cell.X(), cell.Y(), Distance());
}

bool TSWTargetableAbility::IsFirersCell(const TSWMapCell& cell) const {
  return &cell == &Firer()->Slots().Cell();
}

TSWSelectionDoneEvent TSWTargetableAbility::SelectionDone() {
  return TSWSelectionDoneEvent::Of<&TSWTargetableAbility::TargetsChosen>(this);
}

TSWSelectableMap& TSWTargetableAbility::Map() const {
  TSWSelectableMap* map = As<TSWSelectableMap>(GetConfig()->Map());
  if (map == nullptr) Raise<EInvalidOperation>(u"%s needs a map to act on.", {ClassName()});
  return *map;
}
