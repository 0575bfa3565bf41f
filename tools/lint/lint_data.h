#pragma once
// A data folder opened for checking: the game session the window would make over it, left
// loading (its board's cells to make objects on, no language yet), and the files that name
// objects and abilities (objects.ini and every map file of the maps folder).
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "containers/mem_ini_file_w.h"
#include "game/game_session.h"

class TSWMapCellSlots;

// objects.ini or a map file.
struct TLintSource {
  WideString File;  // the package item: "objects.ini", "maps\genesis.ini"
  TMemIniFileW* Ini;
  bool IsMap;
};

class TLintData {
 public:
  // Reads nothing but the list of map files; the store has the package but no language yet.
  explicit TLintData(const std::string& folder);
  TLintData(const TLintData&) = delete;
  TLintData& operator=(const TLintData&) = delete;

  TSWFolderPackage& Package() { return session_.Package(); }
  TSWConfig& Config() { return session_.Config(); }
  // The owner of the objects made for checking.
  TSWPlayer& Owner() { return session_.Gaia(); }
  // The slots of the board's first cell.
  TSWMapCellSlots& ScratchSlots();

  // True when the package has an item of that name.
  bool HasItem(const WideString& name);
  // Every item name asked for through HasItem or read through the package so far.
  std::set<WideString> ItemNames();
  // The message of the language file's failure to load, or nothing when it loaded.
  std::optional<WideString> LoadLanguage();
  bool LanguageLoaded() const { return languageLoaded_; }

  // The map files whose names are not UTF-8 text, escaped ("maps\caf\xE9.ini"): no item name
  // reaches them, so they are not sources.
  const std::vector<WideString>& UndecodableMapNames() const { return undecodableMapNames_; }

  // objects.ini (when the package has it), then the map files by name.
  const std::vector<TLintSource>& Sources() const { return sources_; }
  std::vector<const TLintSource*> Maps() const;

  // Makes the map the "MAP" file of every lookup; nullptr makes it a file without sections.
  void UseMap(const TLintSource* map);
  // The package item of a configuration file that a lookup found: "abilities.ini", the map file
  // in force, ...
  WideString FileOf(const TMemIniFileW* ini);
  // Runs `check` with `map` as the "MAP" file; without one (a value of objects.ini, which holds
  // under every map) once with each map file, or with an empty one when there is none.
  template <class Check>
  void ForEachMap(const TLintSource* map, Check check) {
    std::vector<const TLintSource*> maps = map != nullptr ? std::vector{map} : Maps();
    if (maps.empty()) maps.push_back(nullptr);
    for (const TLintSource* each : maps) {
      UseMap(each);
      check();
    }
  }

 private:
  void AddSource(const WideString& name, bool isMap);

  TMemIniFileW noMap_;
  TSWGameSession session_;
  std::vector<TLintSource> sources_;
  std::set<WideString> askedItems_;
  std::vector<WideString> undecodableMapNames_;
  bool languageLoaded_ = false;
};
