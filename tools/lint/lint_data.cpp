#include "lint/lint_data.h"

#include <algorithm>
#include <filesystem>

#include "base/errors.h"
#include "base/utf8.h"
#include "map/map_cell.h"
#include "platform/stream.h"

namespace {

// The map files below the maps folder: the package names of those whose names are text
// ("maps\genesis"), sorted, and, escaped, those whose names are not.
struct TMapFiles {
  std::vector<WideString> Names;
  std::vector<WideString> UndecodableNames;
};

TMapFiles FindMapFiles(const std::string& folder) {
  namespace fs = std::filesystem;
  const fs::path maps = fs::path(folder) / "maps";
  TMapFiles files;
  std::error_code error;
  if (!fs::is_directory(maps, error)) return files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(maps, error)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".ini") continue;
    fs::path relative = entry.path().lexically_relative(maps);
    const std::string bytes = relative.generic_string();
    const bool isText = !FindUtf8Fault(bytes);
    WideString name = u"maps/" + (isText ? Utf8Decode(bytes) : EscapedText(bytes));
    std::replace(name.begin(), name.end(), u'/', u'\\');
    if (!isText) {
      files.UndecodableNames.push_back(name);
      continue;
    }
    name.resize(name.size() - 4);  // ".ini"
    files.Names.push_back(name);
  }
  std::sort(files.Names.begin(), files.Names.end());
  std::sort(files.UndecodableNames.begin(), files.UndecodableNames.end());
  return files;
}

}  // namespace

// The session's loader names the map the window loads; nothing here starts a game.
TLintData::TLintData(const std::string& folder)
    : session_(TSWGameSession::Unloaded(Utf8Decode(folder), u"maps\\genesis", tmTurn)) {
  // The store sets this back-reference, which the "MAP" lookups go through, only once the
  // language has loaded; the checks need it also when the language file is broken.
  Package().SetConfig(&Config());
  if (HasItem(u"objects.ini")) AddSource(u"objects", false);
  TMapFiles maps = FindMapFiles(folder);
  for (const WideString& name : maps.Names) AddSource(name, true);
  undecodableMapNames_ = std::move(maps.UndecodableNames);
  UseMap(nullptr);
}

TSWMapCellSlots& TLintData::ScratchSlots() { return session_.Map().Cell(0, 0).Slots(); }

bool TLintData::HasItem(const WideString& name) {
  askedItems_.insert(name);
  return Package().OpenData(name) != nullptr;
}

// The package caches every stream it hands out under the name it was asked for.
std::set<WideString> TLintData::ItemNames() {
  std::set<WideString> names = askedItems_;
  const TObjectHash& cache = Package().Cache();
  for (int i = 0; i < cache.Count(); ++i)
    if (dynamic_cast<const TStream*>(cache.Objects(i)) != nullptr) names.insert(cache.Strings(i));
  return names;
}

std::optional<WideString> TLintData::LoadLanguage() {
  try {
    Config().Loaded();
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
  Config().SetLoadedMapFile(map != nullptr ? map->Ini : &noMap_);
}

WideString TLintData::FileOf(const TMemIniFileW* ini) {
  for (const TLintSource& source : sources_)
    if (source.Ini == ini) return source.File;
  for (const char16_t* name : {u"abilities", u"objects"})
    if (HasItem(WideString(name) + u".ini") && &Package().Ini(name) == ini)
      return WideString(name) + u".ini";
  return u"(an unnamed configuration file)";
}

void TLintData::AddSource(const WideString& name, bool isMap) {
  sources_.push_back({name + u".ini", &Package().Ini(name), isMap});
}
