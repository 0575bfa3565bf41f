// Hashed lookups at 100 and at 100,000 entries: a shuffled set of probes drawn from the
// entries, so the ratio between the two sizes shows whether a lookup stays constant-time.
// Keys are what the game stores: words (hashed lists), object tokens (object hashes) and
// "X:Y" coordinates (the lines of a map file's objects section).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "base/tobject.h"
#include "containers/hashed_string_list_w.h"
#include "containers/mem_ini_file_w.h"
#include "containers/object_hash.h"
#include "containers/string_list_w.h"

namespace {

constexpr int kProbes = 1000;

WideString Word(int index) {
  static const char16_t* const kSyllables[] = {u"ka",  u"lo",  u"mi",  u"ne",  u"ru",  u"so",
                                               u"ta",  u"vi",  u"Bel", u"dor", u"fen", u"gar",
                                               u"hus", u"jin", u"wel", u"zo"};
  WideString word;
  do {
    word += kSyllables[index % 16];
    index /= 16;
  } while (index > 0);
  return word;
}

WideString Coordinates(int index, int side) {
  return IntToWide(index % side) + u":" + IntToWide(index / side);
}

// kProbes keys drawn from `count` entries named by `key`, in random order.
template <class KeyOf>
std::vector<WideString> Probes(int count, KeyOf key) {
  std::mt19937 random(7);
  std::vector<WideString> probes;
  for (int i = 0; i < kProbes; ++i)
    probes.push_back(key(static_cast<int>(random() % static_cast<unsigned>(count))));
  std::shuffle(probes.begin(), probes.end(), random);
  return probes;
}

void BM_IndexOf(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  THashedStringListW list;
  for (int i = 0; i < count; ++i) list.Add(Word(i));
  const std::vector<WideString> probes = Probes(count, Word);
  long found = 0;
  for (auto _ : state)
    for (const WideString& probe : probes) found += list.IndexOf(probe) >= 0;
  state.counters["found"] = static_cast<double>(found);
  state.SetItemsProcessed(state.iterations() * kProbes);
}

void BM_ObjectHashFind(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  std::vector<std::unique_ptr<TObject>> objects;
  TObjectHash hash(false);
  for (int i = 0; i < count; ++i) {
    objects.push_back(std::make_unique<TObject>());
    hash.AddObject(ObjectToken(objects.back().get()), objects.back().get());
  }
  const std::vector<WideString> probes =
      Probes(count, [&objects](int i) { return ObjectToken(objects[i].get()); });
  long found = 0;
  for (auto _ : state)
    for (const WideString& probe : probes) found += hash.Find(probe) != nullptr;
  state.counters["found"] = static_cast<double>(found);
  state.SetItemsProcessed(state.iterations() * kProbes);
}

void BM_IniReadString(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const int side = static_cast<int>(std::ceil(std::sqrt(count)));
  TStringListW lines;
  lines.Add(u"[Objects of Gaia]");
  for (int i = 0; i < count; ++i) lines.Add(Coordinates(i, side) + u"=bloomer");
  TMemIniFileW ini;
  ini.SetStrings(lines);
  const std::vector<WideString> probes =
      Probes(count, [side](int i) { return Coordinates(i, side); });
  long found = 0;
  for (auto _ : state)
    for (const WideString& probe : probes)
      found += !ini.ReadString(u"Objects of Gaia", probe, {}).empty();
  state.counters["found"] = static_cast<double>(found);
  state.SetItemsProcessed(state.iterations() * kProbes);
}

}  // namespace

BENCHMARK(BM_IndexOf)->Arg(100)->Arg(100000);
BENCHMARK(BM_ObjectHashFind)->Arg(100)->Arg(100000);
BENCHMARK(BM_IniReadString)->Arg(100)->Arg(100000);
