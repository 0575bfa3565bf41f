#include "ui/widgets/ability_button_layout.h"

TPoint NextAbilityButtonPos(TPoint placed, int width) {
  const int x = placed.X + kAbilityButtonStep;
  if (x + kAbilityButtonSize > width) return {0, placed.Y + kAbilityButtonStep};
  return {x, placed.Y};
}
