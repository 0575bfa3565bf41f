#include "map/coords_list.h"

#include <cstdint>

SW_CLASS_DEFINE(TCoordsList, THashedStringListW)

namespace {

WideString CoordsText(int x, int y) {
  return WideString{static_cast<char16_t>(x & 0xFFFF), static_cast<char16_t>(y & 0xFFFF)};
}

// The list attaches an object reference to each entry; here that slot carries the number
// Y x 65536 + X instead, never dereferenced.
TObject* PackedCoords(int x, int y) {
  const uint32_t value = static_cast<uint32_t>(y) * 65536u + static_cast<uint32_t>(x);
  return reinterpret_cast<TObject*>(static_cast<uintptr_t>(value));
}

uint32_t UnpackedCoords(const TObject* packed) {
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(packed));
}

}  // namespace

TCoordsList::TCoordsList() { SetCaseSensitive(true); }

void TCoordsList::Add(int x, int y) { AddObject(CoordsText(x, y), PackedCoords(x, y)); }

bool TCoordsList::Contains(int x, int y) const { return IndexOf(CoordsText(x, y)) >= 0; }

TPoint TCoordsList::Coords(int index) const {
  const uint32_t value = UnpackedCoords(Objects(index));
  return {static_cast<int>(value & 0xFFFF), static_cast<int>(value >> 16)};
}
