#pragma once
// A fixed hash table of 256 buckets of chains of (key, index) entries, for callers that want its
// exact hash. A new entry goes to the head of its chain, so of several equal keys the one added
// last is found. The hashed lists use their own growing tables (index_table.h) instead.
#include <array>
#include <cstdint>
#include <vector>

#include "base/wide_string.h"

class TStringHashW {
 public:
  static constexpr int kBucketCount = 256;

  TStringHashW() { Clear(); }

  // h := 0; for each code unit c: h := (h rotated left by 2 bits) xor c.
  static uint32_t HashOf(WideStringView key);

  void Add(WideString key, int value);
  void Clear();
  // The value of the newest entry whose key equals `key` exactly, or -1.
  int ValueOf(WideStringView key) const;
  // As ValueOf for `key` upper-cased unit by unit, without building the upper-cased copy.
  int ValueOfUpperCased(WideStringView key) const;

 private:
  struct TEntry {
    WideString Key;
    uint32_t Hash;
    int Value;
    int Next;  // the next entry of the chain, -1 at its end
  };

  template <class MapUnit>
  int Lookup(WideStringView key, MapUnit mapUnit) const;

  std::array<int, kBucketCount> heads_;
  std::vector<TEntry> entries_;
};
