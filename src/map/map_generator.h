#pragma once
// Components that fill the map control with a board when the game starts. The loader reads a
// map file from the data package.
#include "base/component.h"
#include "base/wide_string.h"

class TSWConfig;
class TSWMap;

class TSWMapGenerator : public TComponent {
  SW_CLASS(TSWMapGenerator)

  explicit TSWMapGenerator(TComponent* owner = nullptr);
  TSWMapGenerator(TComponent* owner, TSWMap* map);

  // Either reference is dropped when its component goes.
  TSWConfig* Config() const { return config_; }
  void SetConfig(TSWConfig* config);
  TSWMap* Map() const { return map_; }
  void SetMap(TSWMap* map);

  virtual void Generate() = 0;

 protected:
  void ComponentFreed(TComponent* component) override;

 private:
  TSWConfig* config_ = nullptr;
  TSWMap* map_ = nullptr;
};

class TSWMapLoader : public TSWMapGenerator {
  SW_CLASS(TSWMapLoader)
  using TSWMapGenerator::TSWMapGenerator;

  // The package name of the map file without ".ini", such as maps\genesis.
  const WideString& FileName() const { return fileName_; }
  void SetFileName(const WideString& fileName) { fileName_ = fileName; }

  // Loads the map file through the store's package (parsed once and cached) into the map; one
  // that is empty or not UTF-8 text is refused, naming it (TSWPackage::RequireReadableIni).
  // Fails with "TSWMapLoader.Generate needs a Config and a Map." (EInvalidOperation) when
  // either is missing.
  void Generate() override;

 private:
  WideString fileName_;
};
