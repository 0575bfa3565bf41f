#include "game/game_debug_info.h"

#include <cstdint>

SW_CLASS_DEFINE(TCountedStringList, TStringListW)

// The list never dereferences its objects, so the slot can hold the number itself.
void TCountedStringList::AddCounted(const WideString& line, int32_t count) {
  AddObject(line, reinterpret_cast<TObject*>(static_cast<intptr_t>(count)));
}

int32_t TCountedStringList::Counts(int index) const {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(Objects(index)));
}
