#include "map/sw_map.h"

SW_CLASS_DEFINE(TSWMap, TSWSelectableMap)
