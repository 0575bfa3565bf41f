#include "lint/map_layout_check.h"

#include <optional>

#include "base/errors.h"
#include "base/int_parse.h"
#include "base/upper_case.h"
#include "config/no_value.h"
#include "containers/explode.h"
#include "containers/string_list_w.h"
#include "game/window_players.h"
#include "lint/lint_usage.h"
#include "map/map_cells.h"

namespace {

// Reports a size key that the map control cannot use; true when the size is usable.
bool CheckSide(const TLintSource& map, const char16_t* key, const char16_t* what,
               TLintReport& report) {
  const TLintRef where{map.File, u"General", key};
  const TMemIniFileW& ini = *map.Ini;
  // A value that does not parse reads as the default, whatever the default is.
  if (ini.ReadInteger(u"General", key, 0) != ini.ReadInteger(u"General", key, 1)) {
    const WideString value = ini.ReadString(u"General", key, NoValue);
    report.Add(where, (value == NoValue ? u"missing" : u"\"" + value + u"\" is not a number") +
                          u": the map becomes 10 " + what);
    return true;
  }
  const int value = ini.ReadInteger(u"General", key, 10);
  try {
    TSWMapCells::CheckSide(value, WideLowerCase(key).c_str());
    return true;
  } catch (const Exception& e) {
    report.Add(where, e.Message());
    return false;
  }
}

// The row of a key that the map control reads ("Y" and the row in decimal, the letter in any
// case), or nothing.
std::optional<int> RowNumber(const WideString& key) {
  if (key.empty() || (key[0] != u'Y' && key[0] != u'y')) return std::nullopt;
  const WideString digits = key.substr(1);
  const std::optional<int32_t> row = TryStrToInt(digits);
  if (!row || *row < 0 || IntToWide(*row) != digits) return std::nullopt;
  return *row;
}

void CheckRowCounts(const TLintSource& map, TLintReport& report) {
  const int width = MapWidth(*map.Ini);
  for (int y = 0; y < MapHeight(*map.Ini); ++y) {
    const WideString key = u"Y" + IntToWide(y);
    const WideString row = map.Ini->ReadString(u"Tiles", key, NoValue);
    if (row == NoValue) {
      report.Add({map.File, u"Tiles", key}, u"missing: the map is " + IntToWide(width) + u" wide");
      continue;
    }
    const std::vector<WideString> tiles = Explode(u",", row);
    if (tiles.size() != static_cast<size_t>(width))
      report.Add({map.File, u"Tiles", key},
                 u"wrong number of tiles (" + IntToWide(width) + u" expected, " +
                     IntToWide(static_cast<int64_t>(tiles.size())) + u" given)");
    for (size_t x = 0; x < tiles.size(); ++x)
      if (Trim(tiles[x]).empty())
        report.Add({map.File, u"Tiles", key},
                   u"tile " + IntToWide(static_cast<int64_t>(x)) +
                       u" is empty: a plain cell without terrain, which has no text");
  }
}

void CheckStrayRows(const TLintSource& map, TLintReport& report) {
  TStringListW keys;
  map.Ini->ReadSection(u"Tiles", keys);
  const int height = MapHeight(*map.Ini);
  for (int i = 0; i < keys.Count(); ++i) {
    const std::optional<int> row = RowNumber(keys.Strings(i));
    if (!row || *row >= height)
      report.Add({map.File, u"Tiles", keys.Strings(i)},
                 u"not a row of the map, which is " + IntToWide(height) + u" high: never read");
  }
}

// The line placed alone on a grid of the map's size by the map loader, with no store: the
// coordinates are read and tested, and making the object then fails for want of a player.
void CheckPlacement(TSWMap& grid, const WideString& section, const WideString& line,
                    const TLintRef& where, TLintReport& report) {
  TStringListW text;
  text.Add(u"[" + section + u"]");
  text.Add(line);
  TMemIniFileW ini;
  ini.SetStrings(text);
  try {
    grid.LoadPlayerObjects(ini, u"Objects of ");
  } catch (const EConvertError& error) {
    report.Add(where, error.Message());
  } catch (const EInvalidArgument& error) {
    report.Add(where, error.Message());
  } catch (const Exception&) {
    // Past the coordinates: the object's own checks look at it.
  }
}

}  // namespace

void CheckMapSize(TLintData& data, TLintReport& report) {
  for (const TLintSource* map : data.Maps()) {
    CheckSide(*map, u"Width", u"wide", report);
    CheckSide(*map, u"Height", u"high", report);
  }
}

void CheckMapRows(TLintData& data, TLintReport& report) {
  for (const TLintSource* map : data.Maps()) {
    if (!HasCheckableSize(*map->Ini)) continue;
    CheckRowCounts(*map, report);
    CheckStrayRows(*map, report);
  }
}

void CheckObjectPlacement(TLintData& data, TLintReport& report) {
  for (const TLintSource* map : data.Maps()) {
    if (!HasCheckableSize(*map->Ini)) continue;
    TSWMap grid;
    grid.BeginLoading();
    grid.SetCellsX(MapWidth(*map->Ini));
    grid.SetCellsY(MapHeight(*map->Ini));
    for (const WideString& section : SectionsContaining(*map->Ini, u"Objects of "))
      for (const WideString& line : SectionLines(*map->Ini, section))
        CheckPlacement(grid, section, line, {map->File, section, LineName(line)}, report);
  }
}

void CheckMapPlayers(TLintData& data, TLintReport& report) {
  for (const TLintSource* map : data.Maps()) {
    TStringListW players;
    map->Ini->ReadSectionsContaining(u"Objects of ", players, true);
    for (int i = 0; i < players.Count(); ++i) {
      const WideString& player = players.Strings(i);
      if (!IsWindowPlayer(player))
        report.Add(
            {map->File, u"Objects of " + player},
            u"\"" + player + u"\" is not a player of the main window: its objects cannot be made");
    }
  }
}
