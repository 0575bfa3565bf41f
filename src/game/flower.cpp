#include "game/flower.h"

#include <algorithm>

#include "base/errors.h"
#include "base/rounding.h"
#include "base/saturating.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "config/package.h"
#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"
#include "game/ability_list.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/map_file_place.h"

SW_CLASS_DEFINE(TSWFlower, TSWCellObject)

namespace {

TSWPlayer* RequirePlayer(TObject* player) {
  auto* owner = As<TSWPlayer>(player);
  if (owner == nullptr) Raise<EComponentError>(u"Flower must be created with a TSWPlayer Player.");
  return owner;
}

// The hit points left after `hits` hits of `amount`, the last being the one that leaves fewer
// than 1. Hits that do harm lower HP step by step, so the count of those taken is worked out;
// healing hits only raise it, so either the first one kills or all of them are taken.
int32_t HPAfterHits(int32_t hp, int32_t amount, int64_t hits) {
  const int64_t afterOne = int64_t{hp} - amount;
  if (hits <= 1 || afterOne < 1) return SaturatedInt32(afterOne);
  const int64_t taken = amount > 0 ? std::min(hits, (int64_t{hp} - 1) / amount + 1) : hits;
  // Held at kEnoughHits, the product stays inside 64 bits.
  return SaturatedInt32(int64_t{hp} - amount * std::min(taken, kEnoughHits));
}

}  // namespace

TSWFlower::TSWFlower(TCreationKey, TSWMapCellSlots* slots, TObject* player)
    : slots_(slots),
      player_(RequirePlayer(player)),
      levelTicks_(slots->Config() ? slots->Config()->TickMode() : tmTurn),
      abilities_(std::make_unique<TSWAbilityList>(this)) {}

TSWFlower::~TSWFlower() = default;

void TSWFlower::BeforeDestruction() {
  TFirstError errors;
  levelTicks_.Clear();
  errors.Run([&] { abilities_->Clear(); });
  abilities_.reset();
  errors.Run([&] { TSWObject::BeforeDestruction(); });
  errors.Rethrow();
}

void TSWFlower::Start() {
  if (TSWConfig* config = GetConfig())
    config->Events().AddHandler(kEventTick, TSWEventHandler::Of<&TSWFlower::OnTickEvent>(this));
  Init();
}

TSWConfig* TSWFlower::GetConfig() const { return slots_->Config(); }

void TSWFlower::Init() { sideBySide_ = false; }

void TSWFlower::OnTickEvent(TSWConfig* /*sender*/, const WideString& /*eventName*/,
                            TObject* /*arg*/) {
  // The cell is taken now: a seed that sprouts is gone by the time its flower fails.
  const TSWMapCell& cell = slots_->Cell();
  AtPlace([x = cell.X(), y = cell.Y()] { return CellPlace(x, y); }, [this] { OnTick(); });
}

void TSWFlower::OnTick() {
  if (AtMaxLevel()) return;
  ticksLeft_ = SaturatedInt32(int64_t{ticksLeft_} - 1);
  if (ticksLeft_ > 0) return;
  SetLevel(level_ + 1);
}

void TSWFlower::SetLevel(int32_t newLevel) {
  const bool up = newLevel > level_;
  level_ = newLevel;
  if (!AtMaxLevel()) ticksLeft_ = levelTicks_.Ticks(newLevel);
  UpdateAbilities();
  if (!up) return;
  if (TSWConfig* config = GetConfig()) config->Events().RaiseEvent(kEventFlowerLevelUp, this);
  slots_->Cell().RaiseEvent(kEventSlotLevelUp, this);
}

void TSWFlower::UpdateAbilities() {
  const WideString section = name_ + u" abilities at " + IntToWide(int64_t{level_} + 1);
  const TMemIniFileW* ini =
      RequireConfig().RequirePackage().FindSection(section, {u"MAP", u"objects"});
  if (ini == nullptr) return;
  TStringListW lines;
  ini->ReadSectionValues(section, lines);
  abilities_->Load(lines);
}

WideString TSWFlower::GetCaption(const WideString& name) const {
  return RequireConfig().Lang(u"flower: " + (name.empty() ? name_ : name));
}

void TSWFlower::LoadFrom(const std::vector<WideString>& params) {
  if (params.empty()) Raise<EListError>(u"%s.LoadFrom() was passed empty Params.", {ClassName()});
  name_ = params[0];
  LoadConfig(name_);
  // Setting level 0 builds the abilities of level 0, once.
  SetLevel(0);
}

void TSWFlower::LoadConfig(const WideString& name) {
  TSWConfig& config = RequireConfig();
  TSWPackage& package = config.RequirePackage();
  const int32_t hp = package.ReadInt(name, u"HP", {u"MAP", u"objects"});
  maxHP_ = hp == -1 ? 100 : hp;
  hp_ = maxHP_;
  const int32_t mana =
      package.ReadIntFrom({u"MAP", u"objects"}, name, {u"ManaPerTick"}, config.TickMode(), u" ");
  manaPerTick_ = std::max(mana, 0);
  levelTicks_.Clear();
  const WideString levels = name + u" levels";
  if (const TMemIniFileW* ini = package.FindSection(levels, {u"MAP", u"objects"}))
    levelTicks_.LoadFrom(*ini, levels);
  ticksLeft_ = levelTicks_.Count() > 0 ? levelTicks_.Ticks(0) : 0;
}

void TSWFlower::Paint(TCanvas& /*canvas*/, int /*x*/, int /*y*/) {}

void TSWFlower::TakeHits(int32_t amount, int64_t hits) {
  int32_t before = hp_.load();
  int32_t after = 0;
  do {
    after = HPAfterHits(before, amount, hits);
  } while (!hp_.compare_exchange_weak(before, after));
  if (after < 1) Die();
}

void TSWFlower::Die(const WideString& reason) {
  if (!reason.empty()) deathReason_ = u"rip: " + reason;
  if (TSWConfig* config = GetConfig()) config->Events().RaiseEvent(kEventFlowerDied, this);
  slots_->Remove(GetKind());
}

bool TSWFlower::AtMaxLevel() const { return levelTicks_.Count() <= level_; }

int32_t TSWFlower::HPPercent() const {
  if (maxHP_ <= 0) return 0;
  return std::max(PercentTiesEven(HP(), maxHP_), 0);
}

TSWConfig& TSWFlower::RequireConfig() const {
  TSWConfig* config = GetConfig();
  if (config == nullptr)
    Raise<EInvalidOperation>(u"%s needs a configuration store.", {ClassName()});
  return *config;
}

TOwned<TSWFlower> CreateFlower(const TRegisteredClass& flowerClass, TSWMapCellSlots* slots,
                               TObject* player) {
  return TOwned<TSWFlower>(
      static_cast<TSWFlower*>(CreateCellObject(flowerClass, slots, player).release()));
}
