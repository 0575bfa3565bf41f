#pragma once
// An ability that acts on other cells: it floods the cells it can reach from its firer's cell
// (Targets), then lets the player pick MaxTargets of them on the map, and acts on the picks.
// It stays firing while the player chooses.
#include <cstdint>
#include <memory>

#include "game/basic_ability.h"

class TCoordsList;
class TSWBasicMap;
class TSWMapCell;
class TSWSelectableMap;

class TSWTargetableAbility : public TSWBasicAbility {
  SW_CLASS(TSWTargetableAbility)

  explicit TSWTargetableAbility(TSWConfig* config);
  // Ends the ability's own selection: the map must not call back into a freed ability when its
  // flower dies or changes its abilities while the player is choosing.
  ~TSWTargetableAbility() override;

  // MaxTargets 1.
  void Init() override;
  // Ends the ability's own selection on the map first, so the map stops asking for cells.
  void Cancel() override;

  // The cells the last firing could reach, in flood order.
  const TCoordsList& Targets() const { return *targets_; }
  int32_t MaxTargets() const { return maxTargets_; }

  // The flood stops at cells holding a "fence".
  virtual bool Blocks(const TSWMapCell& cell) const;
  // Reached by the flood, not the firer's own cell, and holding neither a "puddle" nor a
  // "flower".
  virtual bool CanTarget(const TSWMapCell& cell) const;
  // The map's completion callback: acts on the picks. When acting fails, the ability is
  // cancelled and the failure goes on.
  void TargetsChosen(TSWSelectableMap* map);
  // Acts on the chosen cells.
  virtual void ApplyTo(TSWBasicMap& map, const TCoordsList& coords) = 0;
  // Ends the selection this ability started, when the map is still running it, without
  // completion. A selection some other ability runs is left alone.
  virtual void EndSelection();
  // The depth of the flood.
  virtual int32_t Distance() const = 0;

 protected:
  // Begins a selection on the store's map for MaxTargets cells passing CanTarget, computes
  // Targets and shows the selectable cells.
  void Execute() override;
  // Targets := the cells the flood reaches from the firer's cell.
  void ComputeTargets();
  // A seed planted in the firer's own cell could replace the firer, and free this ability with
  // it while it runs: no ability acts there.
  bool IsFirersCell(const TSWMapCell& cell) const;
  // The store's map. Fails with "%s needs a map to act on." (EInvalidOperation) when the store
  // has none.
  TSWSelectableMap& Map() const;
  TCoordsList& MutableTargets() { return *targets_; }

  int32_t maxTargets_ = 1;

 private:
  TBoundMethod<void(TSWSelectableMap* map)> SelectionDone();
  void EndOwnSelection();

  std::unique_ptr<TCoordsList> targets_;
};
