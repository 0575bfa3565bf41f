#pragma once
// The configuration store: the hub every component is wired to. It holds the data package, the
// map and the game, and owns the language strings, the event registry, the bonus map, the
// ability registry, the player registry, the tick mode, the paused flag and the tick counter.
#include <cstdint>

#include "base/component.h"
#include "base/var_rec.h"
#include "config/abilities.h"
#include "config/bonus_map.h"
#include "config/event_hash.h"
#include "config/tick_mode.h"
#include "containers/mem_ini_file_w.h"
#include "containers/object_hash.h"

class TSWPackage;

class TSWConfig : public TComponent {
  SW_CLASS(TSWConfig)

  explicit TSWConfig(TComponent* owner = nullptr);
  // Frees the abilities first, while the registries they withdraw from still exist.
  ~TSWConfig() override;

  // Reloads the language once every property is in place.
  void Loaded() override;

  TSWPackage* Package() const { return package_; }
  // Clears the old package's back-reference, then loads the language from the new one. When
  // that fails the store keeps its old package.
  void SetPackage(TSWPackage* package);
  // The package, or "TSWConfig has no data package." (EInvalidOperation) when none is assigned.
  TSWPackage& RequirePackage() const;

  // Only nothing or a game (TSWGameView) / a map (TSWMapView) is accepted; anything
  // else fails with "TSWConfig only accepts Game of TSWGame class, %s given." / "... Map of
  // TSWMap class, %s given." (EComponentError) and keeps the old reference.
  TObject* Game() const { return game_; }
  void SetGame(TObject* game);
  TObject* Map() const { return map_; }
  // A different map drops the loaded map file, which belonged to the old one.
  void SetMap(TObject* map);

  // The ini of the map file the map loaded last: the configuration file "MAP". The map sets it
  // when it loads a map file; nullptr until then.
  TMemIniFileW* LoadedMapFile() const { return loadedMapFile_; }
  void SetLoadedMapFile(TMemIniFileW* mapFile) { loadedMapFile_ = mapFile; }

  TObjectHash& Players() { return players_; }
  TSWAbilities& Abilities() { return abilities_; }
  TEventHash& Events() { return events_; }
  TSWBonusMap& Bonuses() { return bonuses_; }
  TMemIniFileW& LangStrings() { return langStrings_; }

  TTickMode TickMode() const { return tickMode_; }
  void SetTickMode(TTickMode tickMode) { tickMode_ = tickMode; }
  bool ShowGrid() const { return showGrid_; }
  // Repaints the map when one is assigned.
  void SetShowGrid(bool showGrid);

  bool Paused() const { return paused_; }
  // Fails with "Game is already paused." (EInvalidOperation).
  void Pause();
  // Fails with "Cannot resume game because it's not paused." (EInvalidOperation).
  void Resume();
  // A new game: no ticks yet, not paused.
  void ResetSession();
  int32_t Ticks() const { return ticks_; }
  void SetTicks(int32_t ticks) { ticks_ = ticks; }

  // Key `name` of section [Strings] of the language file. Fails with
  // "No language string with name "%s" found." (EResNotFound).
  WideString Lang(WideStringView name) const;
  // The language string, else `defaultValue` unless that is NoValue, else `name`.
  WideString LangDef(WideStringView name, WideStringView defaultValue) const;
  WideString LangFmt(WideStringView name, TVarArgs args) const;
  // LangFmt of `name` + " (turn)" or " (sec)", after the tick mode.
  WideString LangTickFmt(WideStringView name, TVarArgs args) const;
  // Parses the package item "lang.ini" into LangStrings (empty without a package) and makes the
  // package refer back to this store. Skipped while loading: Loaded runs it.
  void LoadLanguage();

  // "UniqComp1", "UniqComp2", ... for the life of the store.
  WideString UniqueComponentName();
  bool IsObjectEvent(const WideString& eventName, const WideString& name) const;

 protected:
  void ComponentFreed(TComponent* component) override;

 private:
  void Refer(TObject* reference);

  TSWPackage* package_ = nullptr;
  TObject* game_ = nullptr;
  TObject* map_ = nullptr;
  TMemIniFileW* loadedMapFile_ = nullptr;
  TTickMode tickMode_ = tmTurn;
  bool showGrid_ = false;
  bool paused_ = false;
  int32_t ticks_ = 0;
  // Made in this order and released in the reverse one.
  TMemIniFileW langStrings_;
  int32_t uniqueNameCounter_ = 1;
  TObjectHash players_{false};
  TEventHash events_{this};
  TSWAbilities abilities_{this};
  TSWBonusMap bonuses_;
};
