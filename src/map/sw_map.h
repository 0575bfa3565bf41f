#pragma once
// The map control the configuration store and the game accept as their map.
#include "map/selectable_map.h"

class TSWMap final : public TSWSelectableMap {
  SW_CLASS(TSWMap)

  using TSWSelectableMap::TSWSelectableMap;
};
