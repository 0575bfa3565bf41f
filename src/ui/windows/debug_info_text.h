#pragma once
// The debug window's texts for a game snapshot, without any widget. The statistics text lists,
// one fact a line: the ticks and the tick mode, the map cells' memory, the players with their
// mana and income, the bonus baskets, the registered events and the data package's cached
// resources; sizes show in kilobytes with one decimal. An object-scoped bonus or event key shows
// its object's identity as "#<number>" before the "=" and the name. Lines end with a line feed; the
// text is trimmed at both ends, so it ends without a line break.
#include <cstdint>

#include "base/wide_string.h"

struct TSWGameDebugInfo;

WideString DebugInfoText(const TSWGameDebugInfo& info);

// "<width>x<height> [<kilobytes>K]": the click map's size in pixels and in file bytes.
WideString ClickMapSizeCaption(int width, int height, int64_t bytes);
