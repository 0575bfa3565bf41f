#pragma once
// Where the ability panel's buttons stand: in rows from the panel's top-left corner, a step
// apart both ways, each row holding as many buttons as fit in the panel's width but at least
// one, so that a narrow panel grows downwards and never overlaps a row with the next.
#include "platform/geometry.h"

inline constexpr int kAbilityButtonSize = 36;
// The button and the 8-pixel gap after it.
inline constexpr int kAbilityButtonStep = 44;

// The place of the button that follows one placed at `placed`, in a panel `width` pixels wide.
TPoint NextAbilityButtonPos(TPoint placed, int width);
// The panel's height when its last button stands at `lastPlaced` ((0, 0) when it has none).
inline int AbilityPanelHeight(TPoint lastPlaced) { return lastPlaced.Y + kAbilityButtonSize; }
