#pragma once
// Takes a script's actions on a running game the way the player takes them in the window:
// firing from the ability panel, clicking a cell on the map, the pause button.
#include <vector>

#include "sim/sim_script.h"

class TSWAbilityLink;
class TSWFlower;
class TSWGameSession;
class TSimEventPrinter;

class TSimActionRunner {
 public:
  TSimActionRunner(TSWGameSession& game, TSimEventPrinter& printer)
      : game_(game), printer_(printer) {}

  // Fails with "FILE:LINE: X:Y is outside the W x H map." (ESimScriptError) for the first action
  // whose cell the started game's map lacks.
  void CheckCells(const std::vector<TSimAction>& actions) const;
  // Echoes the action, then takes it. What the game refuses (not enough mana, a recharging
  // ability, no selection to pick for) is printed as "error: ..." and the run goes on, as the
  // window shows the message and goes on.
  void Run(const TSimAction& action);

 private:
  void Take(const TSimAction& action);
  void Fire(const TSimAction& action);
  void Pick(const TSimAction& action);
  void Cancel(const TSimAction& action);
  // The object in the cell's "flower" slot, else in its "weed" slot.
  TSWFlower& ActingObject(const TSimAction& action) const;
  TSWAbilityLink& Link(TSWFlower& object, int index) const;
  TSWAbilityLink& FiringLink(TSWFlower& object) const;

  TSWGameSession& game_;
  TSimEventPrinter& printer_;
};
