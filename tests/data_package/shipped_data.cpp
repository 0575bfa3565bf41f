#include "data_package/shipped_data.h"

#include <algorithm>
#include <filesystem>

#include "base/upper_case.h"
#include "base/utf8.h"
#include "containers/explode.h"
#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"

namespace {

constexpr WideStringView kObjectsOf = u"Objects of ";

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

std::string Narrow(WideStringView text) { return Utf8Encode(text); }
