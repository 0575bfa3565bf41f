#include "game/game_classes.h"

#include "game/ability_kinds.h"
#include "game/flower_kinds.h"
#include "map/soil_cells.h"

void RegisterGameClasses() {
  RegisterMapCellClasses();
  RegisterFlowerClasses();
  RegisterAbilityClasses();
}
