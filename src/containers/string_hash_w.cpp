#include "containers/string_hash_w.h"

#include <bit>

#include "base/upper_case.h"

namespace {

uint32_t NextHash(uint32_t hash, char16_t unit) { return std::rotl(hash, 2) ^ unit; }

char16_t SameUnit(char16_t unit) { return unit; }

}  // namespace

uint32_t TStringHashW::HashOf(WideStringView key) {
  uint32_t hash = 0;
  for (char16_t unit : key) hash = NextHash(hash, unit);
  return hash;
}

void TStringHashW::Add(WideString key, int value) {
  const uint32_t hash = HashOf(key);
  int& head = heads_[hash % kBucketCount];
  entries_.push_back(TEntry{std::move(key), hash, value, head});
  head = static_cast<int>(entries_.size()) - 1;
}

void TStringHashW::Clear() {
  heads_.fill(-1);
  entries_.clear();
}

template <class MapUnit>
int TStringHashW::Lookup(WideStringView key, MapUnit mapUnit) const {
  uint32_t hash = 0;
  for (char16_t unit : key) hash = NextHash(hash, mapUnit(unit));
  for (int at = heads_[hash % kBucketCount]; at >= 0; at = entries_[at].Next) {
    const TEntry& entry = entries_[at];
    if (entry.Hash != hash || entry.Key.size() != key.size()) continue;
    size_t i = 0;
    while (i < key.size() && entry.Key[i] == mapUnit(key[i])) ++i;
    if (i == key.size()) return entry.Value;
  }
  return -1;
}

int TStringHashW::ValueOf(WideStringView key) const { return Lookup(key, SameUnit); }

int TStringHashW::ValueOfUpperCased(WideStringView key) const { return Lookup(key, UpCaseUnit); }
