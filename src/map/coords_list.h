#pragma once
// A list of grid coordinates, 16 bits per axis. Each entry's text is two code units, the low
// 16 bits of X then of Y, so a coordinate is found by one hashed lookup; its attached value is
// Y x 65536 + X. Entries stay in insertion order and a coordinate may be added twice.
#include "containers/hashed_string_list_w.h"
#include "platform/geometry.h"

class TCoordsList : public THashedStringListW {
  SW_CLASS(TCoordsList)

  // Compares texts exactly: the units of a coordinate are numbers, and under a case-insensitive
  // comparison 97 would find 65.
  TCoordsList();

  void Add(int x, int y);
  bool Contains(int x, int y) const;
  // The coordinate of entry `index`, from its attached value.
  TPoint Coords(int index) const;
};
