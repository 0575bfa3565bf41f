#include "lint/lint_data.h"

#include <algorithm>
#include <filesystem>

#include "base/errors.h"
#include "base/utf8.h"
#include "game/game_classes.h"
#include "common/window_players.h"
#include "map/map_cell.h"
#include "platform/stream.h"

namespace {

// The package names of the map files below the maps folder ("maps\genesis"), sorted.
std::vector<WideString> MapFileNames(const std::string& folder) {
  namespace fs = std::filesystem;
  const fs::path maps = fs::path(folder) / "maps";
  std::vector<WideString> names;
  std::error_code error;
  if (!fs::is_directory(maps, error)) return names;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(maps, error)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".ini") continue;
    fs::path relative = entry.path().lexically_relative(maps);
    relative.replace_extension();
    WideString name = u"maps\\" + Utf8Decode(relative.generic_string());
    std::replace(name.begin(), name.end(), u'/', u'\\');
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TLintData::TLintData(const std::string& folder) {
  RegisterGameClasses();
  package_.SetPath(Utf8Decode(folder));
  // Loading, so that the language and the board's layout wait: each may fail on the data.
  config_.BeginLoading();
  config_.SetPackage(&package_);
  // The store sets this back-reference, which the "MAP" lookups go through, only once the
  // language has loaded; the checks need it also when the language file is broken.
  package_.SetConfig(&config_);
  board_.BeginLoading();
  board_.SetName(u"Map");
  board_.SetConfig(&config_);
  board_.SetCellsX(1);
  board_.SetCellsY(1);
  config_.SetMap(&board_);
  for (size_t i = 0; i < players_.size(); ++i) {
    players_[i].SetPlayerName(WideString(kWindowPlayers[i]));
    players_[i].SetConfig(&config_);
  }
  if (HasItem(u"objects.ini")) AddSource(u"objects", false);
  for (const WideString& name : MapFileNames(folder)) AddSource(name, true);
  UseMap(nullptr);
}

TSWMapCellSlots& TLintData::ScratchSlots() { return board_.Cell(0, 0).Slots(); }

bool TLintData::HasItem(const WideString& name) { return package_.OpenData(name) != nullptr; }

std::optional<WideString> TLintData::LoadLanguage() {
  try {
    config_.Loaded();
  } catch (const Exception& error) {
    return error.Message();
  }
  languageLoaded_ = true;
  return std::nullopt;
}

std::vector<const TLintSource*> TLintData::Maps() const {
  std::vector<const TLintSource*> maps;
  for (const TLintSource& source : sources_)
    if (source.IsMap) maps.push_back(&source);
  return maps;
}

void TLintData::UseMap(const TLintSource* map) {
  config_.SetLoadedMapFile(map != nullptr ? map->Ini : &noMap_);
}

WideString TLintData::FileOf(const TMemIniFileW* ini) {
  for (const TLintSource& source : sources_)
    if (source.Ini == ini) return source.File;
  for (const char16_t* name : {u"abilities", u"objects"})
    if (HasItem(WideString(name) + u".ini") && &package_.Ini(name) == ini)
      return WideString(name) + u".ini";
  return u"(an unnamed configuration file)";
}

void TLintData::AddSource(const WideString& name, bool isMap) {
  sources_.push_back({name + u".ini", &package_.Ini(name), isMap});
}
