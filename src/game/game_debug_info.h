#pragma once
// A snapshot of a running game's statistics for the debug window. The caller owns the record and
// everything in it.
#include <cstdint>

#include "containers/string_list_w.h"
#include "platform/memory_stream.h"

// A string list whose every line carries a number (a count or a size) in its object slot.
class TCountedStringList : public TStringListW {
  SW_CLASS(TCountedStringList)

  void AddCounted(const WideString& line, int32_t count);
  int32_t Counts(int index) const;
};

struct TSWGameDebugInfo {
  int32_t Ticks = 0;
  bool RealTime = false;
  // Each bonus key with its number of providers.
  TCountedStringList BonusBaskets;
  int32_t BonusProviders = 0;
  // Each registered event key with its number of handlers.
  TCountedStringList EventHandlers;
  // Bytes held by the data package's cache.
  int32_t ResourceMemory = 0;
  // Each cache key with the instance size of the cached object.
  TCountedStringList Resources;
  // "name=m<mana> +<mana per tick>" per registered player.
  TStringListW PlayerLines;
  int32_t MapCellsMemory = 0;
  // The map's click map as a BMP file, positioned at 0.
  TMemoryStream ClickMap;
};
