#include "data_package/shipped_data.h"

#include <algorithm>
#include <filesystem>

#include "base/upper_case.h"
#include "base/utf8.h"
#include "config/package.h"
#include "containers/explode.h"
#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"

namespace {

constexpr WideStringView kAbilitiesAt = u" abilities at ";
constexpr WideStringView kObjectsOf = u"Objects of ";

bool EndsWith(WideStringView text, WideStringView suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The object name a section of a configuration file is about, and the section's kind.
enum class TSectionKind { Object, Levels, AbilitiesAt, SeedTable, AbilityTable, Other };

struct TSectionName {
  TSectionKind Kind;
  WideString Subject;
};

TSectionName ClassifySection(const WideString& section) {
  if (const size_t at = section.find(kAbilitiesAt); at != WideString::npos)
    return {TSectionKind::AbilitiesAt, section.substr(0, at)};
  for (const WideStringView suffix : {u" growth", u" soil req"})
    if (EndsWith(section, suffix))
      return {TSectionKind::SeedTable, section.substr(0, section.size() - suffix.size())};
  for (const WideStringView suffix : {u" distances", u" mana req"})
    if (EndsWith(section, suffix))
      return {TSectionKind::AbilityTable, section.substr(0, section.size() - suffix.size())};
  if (EndsWith(section, u" levels"))
    return {TSectionKind::Levels, section.substr(0, section.size() - 7)};
  if (SameTextW(section, u"Soil bonuses") || StartsWith(section, kObjectsOf) ||
      SameTextW(section, u"General") || SameTextW(section, u"Tiles"))
    return {TSectionKind::Other, section};
  return {TSectionKind::Object, section};
}

void AddTableFlowers(const TMemIniFileW& ini, const WideString& section, TNamesInData& names) {
  for (const WideString& line : SectionLines(ini, section))
    if (LineName(line) != u"*") names.Objects.insert(LineName(line));
}

void AddAbilityLines(const TMemIniFileW& ini, const WideString& section, TNamesInData& names) {
  for (const WideString& line : SectionLines(ini, section)) {
    const std::vector<WideString> spec = SpecPieces(LineName(line));
    names.Abilities.insert(spec[0]);
    if (const WideString flower = SeedFlowerOf(spec); !flower.empty()) names.Objects.insert(flower);
  }
}

// What a configuration file (objects.ini, abilities.ini or a map file) names. Its plain sections
// name objects (objects.ini) or abilities (abilities.ini); in a map file they override either and
// name nothing new.
enum class TPlainSections { Objects, Abilities, Overrides };

void CollectFrom(const TMemIniFileW& ini, TPlainSections plain, TNamesInData& names) {
  for (const WideString& section : SectionNames(ini)) {
    const TSectionName name = ClassifySection(section);
    switch (name.Kind) {
      case TSectionKind::Object:
        if (plain == TPlainSections::Objects) names.Objects.insert(name.Subject);
        if (plain == TPlainSections::Abilities) names.Abilities.insert(name.Subject);
        break;
      case TSectionKind::Levels:
        names.Objects.insert(name.Subject);
        break;
      case TSectionKind::AbilitiesAt:
        names.Objects.insert(name.Subject);
        AddAbilityLines(ini, section, names);
        break;
      case TSectionKind::SeedTable:
        names.Objects.insert(name.Subject);
        AddTableFlowers(ini, section, names);
        break;
      case TSectionKind::AbilityTable:
        names.Abilities.insert(name.Subject);
        AddTableFlowers(ini, section, names);
        break;
      case TSectionKind::Other:
        break;
    }
  }
}

void CollectFromMap(const TMemIniFileW& map, TNamesInData& names) {
  CollectFrom(map, TPlainSections::Overrides, names);
  for (const WideString& player : MapPlayers(map)) {
    names.Players.insert(player);
    for (const WideString& spec : PlayerObjects(map, player)) {
      const std::vector<WideString> pieces = SpecPieces(spec);
      names.Objects.insert(pieces[0]);
      names.Objects.insert(PlantedFlowerOf(pieces));
    }
  }
  for (const std::vector<WideString>& row : MapTiles(map))
    for (const WideString& tile : row) names.Terrains.insert(WideLowerCase(Trim(tile)));
}

}  // namespace

WideString ShippedDataPath() { return WideFromAscii(SW_DATA_DIR "/"); }

std::vector<WideString> ShippedMaps() {
  std::vector<WideString> maps;
  for (const auto& entry : std::filesystem::directory_iterator(SW_DATA_DIR "/maps"))
    if (entry.path().extension() == ".ini")
      maps.push_back(u"maps\\" + Utf8Decode(entry.path().stem().string()));
  std::sort(maps.begin(), maps.end());
  return maps;
}

std::vector<WideString> SectionNames(const TMemIniFileW& ini) {
  TStringListW sections;
  ini.ReadSections(sections);
  return StringsOf(sections);
}

std::vector<WideString> SectionLines(const TMemIniFileW& ini, WideStringView section) {
  TStringListW lines;
  ini.ReadSectionValues(section, lines);
  return StringsOf(lines);
}

std::vector<WideString> SpecPieces(WideStringView spec) {
  std::vector<WideString> pieces = Explode(u",", spec);
  for (WideString& piece : pieces) piece = Trim(piece);
  return pieces;
}

std::vector<std::vector<WideString>> MapTiles(const TMemIniFileW& map) {
  std::vector<std::vector<WideString>> rows;
  const int height = map.ReadInteger(u"General", u"Height", 10);
  for (int y = 0; y < height; ++y)
    rows.push_back(Explode(u",", map.ReadString(u"Tiles", u"Y" + IntToWide(y), u"")));
  return rows;
}

std::vector<WideString> PlayerObjects(const TMemIniFileW& map, WideStringView player) {
  std::vector<WideString> specs;
  for (const WideString& line : SectionLines(map, WideString(kObjectsOf) + WideString(player)))
    specs.push_back(LineValue(line));
  return specs;
}

std::vector<WideString> MapPlayers(const TMemIniFileW& map) {
  TStringListW players;
  map.ReadSectionsContaining(kObjectsOf, players, true);
  return StringsOf(players);
}

WideString PlantedFlowerOf(const std::vector<WideString>& objectSpec) {
  if (SameTextW(objectSpec[0], u"seed") && objectSpec.size() > 1) return objectSpec[1];
  return objectSpec[0];
}

WideString SeedFlowerOf(const std::vector<WideString>& abilitySpec) {
  return abilitySpec.size() > 1 ? abilitySpec[1] : WideString();
}

TNamesInData NamesInData(TSWPackage& package) {
  TNamesInData names;
  CollectFrom(package.Ini(u"objects"), TPlainSections::Objects, names);
  CollectFrom(package.Ini(u"abilities"), TPlainSections::Abilities, names);
  for (const WideString& map : ShippedMaps()) CollectFromMap(package.Ini(map), names);
  names.Terrains.insert(u"terrain");  // a cell's terrain before a map file names it
  return names;
}

std::string Narrow(WideStringView text) { return Utf8Encode(text); }
