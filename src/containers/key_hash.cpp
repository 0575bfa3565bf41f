#include "containers/key_hash.h"

#include "base/upper_case.h"

uint32_t MixHash(uint64_t value) {
  value ^= value >> 33;
  value *= 0xFF51AFD7ED558CCDull;
  value ^= value >> 33;
  value *= 0xC4CEB9FE1A85EC53ull;
  value ^= value >> 33;
  return static_cast<uint32_t>(value);
}

uint32_t KeyHash(WideStringView key, bool caseSensitive) {
  uint64_t hash = 0xCBF29CE484222325ull;
  for (char16_t unit : key)
    hash = (hash ^ (caseSensitive ? unit : UpCaseUnit(unit))) * 0x100000001B3ull;
  return MixHash(hash);
}

bool SameKey(WideStringView a, WideStringView b, bool caseSensitive) {
  return caseSensitive ? a == b : SameTextW(a, b);
}
