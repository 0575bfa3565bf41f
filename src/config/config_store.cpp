#include "config/config_store.h"

#include "base/errors.h"
#include "base/format.h"
#include "config/game_view.h"
#include "config/map_view.h"
#include "config/no_value.h"
#include "config/package.h"

SW_CLASS_DEFINE(TSWConfig, TComponent)

namespace {

constexpr WideStringView kLangSection = u"Strings";

// The game and the map are classes of later layers; they are recognised by the interface the
// store asks of them.
template <class TView>
void CheckReference(TObject* object, const char16_t* message) {
  if (object != nullptr && dynamic_cast<TView*>(object) == nullptr)
    Raise<EComponentError>(message, {object->ClassName()});
}

}  // namespace

TSWConfig::TSWConfig(TComponent* owner) : TComponent(owner) {}

TSWConfig::~TSWConfig() {
  RunDeferringErrors([this] { abilities_.FreeAbilities(); });
}

void TSWConfig::Loaded() {
  TComponent::Loaded();
  LoadLanguage();
}

void TSWConfig::SetPackage(TSWPackage* package) {
  TSWPackage* const old = package_;
  const bool oldReferredHere = old != nullptr && old->Config() == this;
  if (oldReferredHere) old->SetConfig(nullptr);
  package_ = package;
  try {
    LoadLanguage();
  } catch (...) {
    package_ = old;
    if (oldReferredHere) old->SetConfig(this);
    throw;
  }
  Refer(package);
  // The map file was read from the old package and may go with it.
  if (package != old) loadedMapFile_ = nullptr;
}

TSWPackage& TSWConfig::RequirePackage() const {
  if (package_ == nullptr) Raise<EInvalidOperation>(u"TSWConfig has no data package.");
  return *package_;
}

void TSWConfig::SetGame(TObject* game) {
  CheckReference<TSWGameView>(game, u"TSWConfig only accepts Game of TSWGame class, %s given.");
  game_ = game;
  Refer(game);
}

void TSWConfig::SetMap(TObject* map) {
  CheckReference<TSWMapView>(map, u"TSWConfig only accepts Map of TSWMap class, %s given.");
  if (map != map_) loadedMapFile_ = nullptr;
  map_ = map;
  Refer(map);
}

void TSWConfig::Refer(TObject* reference) {
  if (auto* component = dynamic_cast<TComponent*>(reference)) FreeNotification(component);
}

void TSWConfig::ComponentFreed(TComponent* component) {
  if (component == package_) {
    package_ = nullptr;
    loadedMapFile_ = nullptr;
  }
  if (component == game_) game_ = nullptr;
  if (component == map_) {
    map_ = nullptr;
    loadedMapFile_ = nullptr;
  }
}

void TSWConfig::SetShowGrid(bool showGrid) {
  showGrid_ = showGrid;
  if (auto* view = dynamic_cast<TSWMapView*>(map_)) view->Invalidate();
}

void TSWConfig::Pause() {
  if (paused_) Raise<EInvalidOperation>(u"Game is already paused.");
  paused_ = true;
}

void TSWConfig::Resume() {
  if (!paused_) Raise<EInvalidOperation>(u"Cannot resume game because it's not paused.");
  paused_ = false;
}

void TSWConfig::ResetSession() {
  ticks_ = 0;
  paused_ = false;
}

WideString TSWConfig::Lang(WideStringView name) const {
  WideString value = langStrings_.ReadString(kLangSection, name, NoValue);
  if (value == NoValue) Raise<EResNotFound>(u"No language string with name \"%s\" found.", {name});
  return value;
}

WideString TSWConfig::LangDef(WideStringView name, WideStringView defaultValue) const {
  WideString value = langStrings_.ReadString(kLangSection, name, NoValue);
  if (value != NoValue) return value;
  return WideString(defaultValue != NoValue ? defaultValue : name);
}

WideString TSWConfig::LangFmt(WideStringView name, TVarArgs args) const {
  return Format(Lang(name), args);
}

WideString TSWConfig::LangTickFmt(WideStringView name, TVarArgs args) const {
  const WideStringView suffix = tickMode_ == tmTurn ? u" (turn)" : u" (sec)";
  return LangFmt(WideString(name).append(suffix), args);
}

void TSWConfig::LoadLanguage() {
  if (Loading()) return;
  if (package_ == nullptr) {
    langStrings_.Clear();
    return;
  }
  // Fetched before anything changes, so a missing file leaves the strings as they were.
  TStream& data = package_->Data(u"lang.ini");
  langStrings_.LoadFromStream(data);
  package_->SetConfig(this);
}

WideString TSWConfig::UniqueComponentName() {
  return u"UniqComp" + IntToWide(uniqueNameCounter_++);
}

bool TSWConfig::IsObjectEvent(const WideString& eventName, const WideString& name) const {
  return ::IsObjectEvent(eventName, name);
}
