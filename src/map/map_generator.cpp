#include "map/map_generator.h"

#include "base/errors.h"
#include "config/config_store.h"
#include "config/package.h"
#include "map/sw_map.h"

SW_CLASS_DEFINE(TSWMapGenerator, TComponent)
SW_CLASS_DEFINE(TSWMapLoader, TSWMapGenerator)

TSWMapGenerator::TSWMapGenerator(TComponent* owner) : TComponent(owner) {}

TSWMapGenerator::TSWMapGenerator(TComponent* owner, TSWMap* map) : TComponent(owner) {
  SetMap(map);
}

void TSWMapGenerator::SetConfig(TSWConfig* config) {
  config_ = config;
  if (config) FreeNotification(config);
}

void TSWMapGenerator::SetMap(TSWMap* map) {
  map_ = map;
  if (map) FreeNotification(map);
}

void TSWMapGenerator::ComponentFreed(TComponent* component) {
  if (component == config_) config_ = nullptr;
  if (component == map_) map_ = nullptr;
}

void TSWMapLoader::Generate() {
  if (Config() == nullptr || Map() == nullptr)
    Raise<EInvalidOperation>(u"TSWMapLoader.Generate needs a Config and a Map.");
  TSWPackage& package = Config()->RequirePackage();
  package.RequireReadableIni(fileName_);
  Map()->LoadFrom(package.Ini(fileName_));
}
