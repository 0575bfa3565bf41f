#include "lint/lint_usage.h"

#include <algorithm>
#include <optional>

#include "base/errors.h"
#include "containers/explode.h"
#include "containers/string_list_w.h"
#include "game/ability_kinds.h"
#include "game/flower_seed.h"
#include "game/window_players.h"
#include "map/map_cell.h"
#include "map/map_cells.h"
#include "map/soil_cells.h"

namespace {

constexpr WideStringView kAbilitiesAt = u" abilities at ";
constexpr WideStringView kObjectsOf = u"Objects of ";

// "flower" followed by ",parameter" when there is one: what a seed of Params grows into, and
// what a seed ability of Params plants a seed of.
WideString PlantedSpec(const std::vector<WideString>& params) {
  return params.size() >= 3 ? params[1] + u"," + params[2] : params[1];
}

void CollectAbilities(const TLintData& data, TLintUsage& usage) {
  for (const TLintSource& source : data.Sources())
    for (const WideString& section : SectionsContaining(*source.Ini, kAbilitiesAt))
      for (const WideString& line : SectionLines(*source.Ini, section))
        usage.Abilities.push_back({LineName(line),
                                   {source.File, section, LineName(line)},
                                   source.IsMap ? &source : nullptr,
                                   LineValue(line)});
}

void CollectPlacedObjects(const TLintData& data, TLintUsage& usage) {
  for (const TLintSource* map : data.Maps())
    for (const WideString& section : SectionsContaining(*map->Ini, kObjectsOf))
      for (const WideString& line : SectionLines(*map->Ini, section))
        if (line.find(u'=') != WideString::npos)
          usage.Objects.push_back({LineValue(line), {map->File, section, LineName(line)}, map});
}

void CollectPlantedObjects(TLintUsage& usage) {
  for (const TLintUse& ability : usage.Abilities) {
    const std::optional<TTypeSpec> spec = ResolveSpec(ability.Name, TSWAbility::StaticClass());
    if (spec && spec->Class->Class->InheritsFrom(TSWAbility_Seed::StaticClass()) &&
        spec->Params.size() >= 2)
      usage.Objects.push_back({u"seed," + PlantedSpec(spec->Params), ability.Where, ability.Map});
  }
  // Grown flowers are added behind and looked at in turn: a seed may grow into a seed.
  for (size_t i = 0; i < usage.Objects.size(); ++i) {
    const std::optional<TTypeSpec> spec =
        ResolveSpec(usage.Objects[i].Name, TSWFlower::StaticClass());
    if (spec && spec->Class->Class->InheritsFrom(TSWFlower_Seed::StaticClass()) &&
        spec->Params.size() >= 2) {
      TLintUse grown = usage.Objects[i];
      grown.Name = PlantedSpec(spec->Params);
      usage.Objects.push_back(grown);
    }
  }
}

void CollectPlayers(const TLintData& data, TLintUsage& usage) {
  for (WideStringView player : kWindowPlayers)
    usage.Players.push_back({WideString(player), {u"the main window"}});
  for (const TLintSource* map : data.Maps()) {
    TStringListW players;
    map->Ini->ReadSectionsContaining(kObjectsOf, players, true);
    for (int i = 0; i < players.Count(); ++i)
      usage.Players.push_back(
          {players.Strings(i), {map->File, WideString(kObjectsOf) + players.Strings(i)}, map});
  }
}

// The images a cell paints besides the board's own.
std::vector<WideString> CellImages(const TSWMapCell& cell) {
  std::vector<WideString> images{cell.ImageName()};
  if (cell.Is<TSWMapCell_Null>()) images.push_back(u"cell null");
  return images;
}

// Makes the cells of one row as the map control would and notes each new terrain.
void CollectRowTiles(const WideString& row, int width, const TLintRef& where, TLintUsage& usage) {
  TSWMapCells cells(nullptr);
  cells.SetCellsY(1);
  cells.SetCellsX(width);
  TMemIniFileW ini;
  ini.WriteString(u"Tiles", u"Y0", row);
  cells.LoadFrom(ini, u"Tiles");
  for (int x = 0; x < width; ++x) {
    const TSWMapCell& cell = cells.Cell(x, 0);
    const bool known =
        std::any_of(usage.Tiles.begin(), usage.Tiles.end(),
                    [&](const TTileUse& tile) { return tile.Terrain == cell.Terrain(); });
    if (!known) usage.Tiles.push_back({cell.Terrain(), CellImages(cell), where});
  }
}

void CollectTiles(const TLintData& data, TLintUsage& usage) {
  for (const TLintSource* map : data.Maps()) {
    if (!HasCheckableSize(*map->Ini)) continue;
    const int width = MapWidth(*map->Ini);
    for (int y = 0; y < MapHeight(*map->Ini); ++y) {
      const WideString key = u"Y" + IntToWide(y);
      const WideString row = map->Ini->ReadString(u"Tiles", key, u"");
      if (Explode(u",", row).size() == static_cast<size_t>(width))
        CollectRowTiles(row, width, {map->File, u"Tiles", key}, usage);
    }
  }
}

}  // namespace

std::optional<TTypeSpec> ResolveSpec(const WideString& spec, const TClass& base) {
  try {
    return CreateFrom(spec, base);
  } catch (const Exception&) {
    return std::nullopt;
  }
}

int MapWidth(const TMemIniFileW& ini) { return ini.ReadInteger(u"General", u"Width", 10); }
int MapHeight(const TMemIniFileW& ini) { return ini.ReadInteger(u"General", u"Height", 10); }

bool HasCheckableSize(const TMemIniFileW& ini) {
  // Larger grids are not laid out; the game could not show them anyway.
  constexpr int64_t kMaxCheckedCells = 1'000'000;
  const int64_t width = MapWidth(ini);
  const int64_t height = MapHeight(ini);
  return width >= 1 && height >= 1 && width * height <= kMaxCheckedCells;
}

std::vector<WideString> SectionsContaining(const TMemIniFileW& ini, WideStringView text) {
  TStringListW sections;
  ini.ReadSectionsContaining(text, sections, false);
  return StringsOf(sections);
}

std::vector<WideString> SectionLines(const TMemIniFileW& ini, WideStringView section) {
  TStringListW lines;
  ini.ReadSectionValues(section, lines);
  return StringsOf(lines);
}

TLintUsage CollectUsage(TLintData& data) {
  TLintUsage usage;
  CollectAbilities(data, usage);
  CollectPlacedObjects(data, usage);
  CollectPlantedObjects(usage);
  CollectPlayers(data, usage);
  CollectTiles(data, usage);
  return usage;
}
