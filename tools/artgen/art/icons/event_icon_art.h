#pragma once
// The event log's 16 x 16 icons ("events\" + event name) for the five logged events.
#include "draw/art_canvas.h"

namespace artgen {

TArtCanvas PaintGameStartEvent();
TArtCanvas PaintFlowerLevelUpEvent();
TArtCanvas PaintFlowerGrownEvent();
TArtCanvas PaintFlowerDiedEvent();
TArtCanvas PaintPathRemovedEvent();

}  // namespace artgen
