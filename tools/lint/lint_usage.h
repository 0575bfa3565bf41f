#pragma once
// What the data names, and where: the abilities of every "abilities at" section, the objects that
// maps place and that seeds and seed abilities plant, the players, and the terrains of the maps'
// tiles. The checks walk these instead of the files.
#include <optional>
#include <utility>
#include <vector>

#include "config/object_factory.h"
#include "containers/strings_w.h"
#include "lint/lint_data.h"
#include "lint/lint_report.h"

struct TLintUse {
  TLintUse(WideString name, TLintRef where, const TLintSource* map = nullptr, WideString flags = {})
      : Name(std::move(name)), Where(std::move(where)), Map(map), Flags(std::move(flags)) {}

  // An object or ability specification ("seed,bloomer"), a player name or a terrain.
  WideString Name;
  TLintRef Where;
  // The map file the use belongs to; nullptr for objects.ini, whose values hold under every map.
  const TLintSource* Map;
  // Of an ability line: what follows its "=".
  WideString Flags;
};

// A terrain the tiles of a map make, and the images its cell paints besides the board's own.
struct TTileUse {
  WideString Terrain;
  std::vector<WideString> Images;
  TLintRef Where;
};

struct TLintUsage {
  std::vector<TLintUse> Abilities;
  // Placed by maps, planted by seed abilities, grown from seeds.
  std::vector<TLintUse> Objects;
  // The window's players and those the maps give objects to.
  std::vector<TLintUse> Players;
  // The first use of each terrain, from the rows that have the right number of tiles.
  std::vector<TTileUse> Tiles;
};

TLintUsage CollectUsage(TLintData& data);

// The registered class and parameters a specification names (CreateFrom with `base`), or nothing
// when it names none.
std::optional<TTypeSpec> ResolveSpec(const WideString& spec, const TClass& base);

// The map's [General] Width and Height as the map control reads them (10 when absent).
int MapWidth(const TMemIniFileW& ini);
int MapHeight(const TMemIniFileW& ini);
// A size of at least 1 x 1 and small enough to lay out its cells for checking.
bool HasCheckableSize(const TMemIniFileW& ini);
// The sections whose name contains `text`, in file order.
std::vector<WideString> SectionsContaining(const TMemIniFileW& ini, WideStringView text);
// The stored lines of a section.
std::vector<WideString> SectionLines(const TMemIniFileW& ini, WideStringView section);
