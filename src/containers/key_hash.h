#pragma once
// Hashing and comparing registry keys. Without case sensitivity two keys are equal when their
// code units are equal after upper-casing each one, and the hash is taken over upper-cased units.
// Every bit of the key reaches the low bits of the hash, so tables may use those bits directly:
// keys that differ only in one unit (consecutive object tokens, "X:Y" coordinates) spread well.
#include <cstdint>

#include "base/wide_string.h"

uint32_t KeyHash(WideStringView key, bool caseSensitive);
bool SameKey(WideStringView a, WideStringView b, bool caseSensitive);
// Spreads 64 bits over a 32-bit hash.
uint32_t MixHash(uint64_t value);
