#include "game/ability_kinds.h"

#include <algorithm>

#include "base/errors.h"
#include "config/config_store.h"
#include "config/event_hash.h"
#include "config/event_names.h"
#include "config/image_compose.h"
#include "config/package.h"
#include "game/flower.h"
#include "game/player.h"
#include "game/random_source.h"
#include "map/basic_map.h"
#include "map/coords_list.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/map_file_place.h"
#include "map/selectable_map.h"
#include "platform/png_image.h"

SW_CLASS_DEFINE(TSWAbility_Seed, TSWTargetableAbility)
SW_CLASS_DEFINE(TSWAbility_Vegetate, TSWAbility_Seed)
SW_CLASS_DEFINE(TSWAbility_Spread, TSWAbility_Seed)
SW_CLASS_DEFINE(TSWAbility_RemovePath, TSWBasicAbility)

namespace {

constexpr int kGlyphSide = 32;

}  // namespace

TSWAbility_Seed::~TSWAbility_Seed() = default;

void TSWAbility_Seed::LoadFrom(const std::vector<WideString>& params) {
  if (params.size() < 2) Raise<EListError>(u"Seed ability needs at least 2 parameters.");
  TSWTargetableAbility::LoadFrom(params);
  seedFlower_ = params[1];
  seedParams_ = params.size() >= 3 ? u"," + params[2] : WideString();
}

const TPngImage& TSWAbility_Seed::GetGlyph(int size) {
  if (size != kGlyphSide) return TSWTargetableAbility::GetGlyph(size);
  if (!glyph32Image_) glyph32Image_ = ComposeGlyph32();
  return *glyph32Image_;
}

std::unique_ptr<TPngImage> TSWAbility_Seed::ComposeGlyph32() {
  std::unique_ptr<TPngImage> glyph = NewAlphaImage(kGlyphSide, kGlyphSide);
  const TPngImage& flower = GetConfig()->RequirePackage().Image(u"objects\\" + seedFlower_);
  OverlayImage(flower, *glyph, (kGlyphSide - flower.Width()) / 2, kGlyphSide - 1 - flower.Height());
  OverlayImage(GetGlyph(16), *glyph, 0, 0);
  return glyph;
}

void TSWAbility_Seed::ApplyTo(TSWBasicMap& map, const TCoordsList& coords) {
  const WideString spec = u"seed," + seedFlower_ + seedParams_;
  for (int i = 0; i < coords.Count(); ++i) {
    const TPoint cell = coords.Coords(i);
    AtPlace([&] { return u"planting in " + CellPlace(cell.X, cell.Y); },
            [&] { map.Cell(cell.X, cell.Y).Slots().Add(spec, Firer()->Player()); });
  }
  EndFiring();
}

int32_t TSWAbility_Seed::Distance() const { return DistanceAt(level_); }

int32_t TSWAbility_Seed::ManaRequirement() const { return std::max(0, ManaRequirementAt(level_)); }

int32_t TSWAbility_Seed::ReadSeedInt(const WideString& suffix, int32_t level) const {
  return GetConfig()->RequirePackage().ReadIntFrom({u"MAP", u"abilities"}, Name() + suffix,
                                                   {seedFlower_, u"*"}, level);
}

void TSWAbility_Seed::Execute() {
  PayManaRequirement();
  TSWTargetableAbility::Execute();
}

void TSWAbility_Seed::PayManaRequirement() {
  const int32_t cost = ManaRequirement();
  int32_t mana = 0;
  if (!Firer()->Player()->TrySpendMana(cost, mana))
    Raise<EInvalidArgument>(u"This flower requires %d mana but you had %d.", {cost, mana});
}

const TPngImage& TSWAbility_Vegetate::GetGlyph(int size) {
  if (size != kGlyphSide) return TSWAbility::GetGlyph(size);
  auto copy = std::make_unique<TPngImage>();
  copy->Assign(GetConfig()->RequirePackage().Image(u"abilities\\vegetate 32"));
  glyph32Image_ = std::move(copy);
  return *glyph32Image_;
}

bool TSWAbility_Vegetate::Blocks(const TSWMapCell& cell) const {
  return !cell.Slots().IsFree(u"flower") || !cell.Slots().IsFree(u"puddle");
}

bool TSWAbility_Vegetate::CanTarget(const TSWMapCell& cell) const {
  return TSWAbility_Seed::CanTarget(cell) && cell.Slots().IsFree(u"fence");
}

void TSWAbility_Spread::Init() {
  TSWAbility_Seed::Init();
  autocastable_ = true;
}

bool TSWAbility_Spread::Blocks(const TSWMapCell& cell) const {
  return !cell.Slots().IsFree(u"weed") || !cell.Slots().IsFree(u"puddle");
}

void TSWAbility_Spread::Execute() {
  const int32_t damageDistance = DamageDistanceAt(level_);
  const int32_t damage = DamageAt(level_);
  Firer()->Slots().Cell().HurtArea(
      damage, damageDistance, TSWCellObjectFilter::Of<&TSWAbility_Spread::IsOtherPlayers>(this));
  ComputeTargets();
  DropFirersCell();
  if (Targets().Count() == 0) {
    EndFiring();
    return;
  }
  PruneTargets();
  ApplyTo(Map(), Targets());
}

bool TSWAbility_Spread::IsOtherPlayers(TSWCellObject* object) const {
  return static_cast<TSWFlower*>(object)->Player() != Firer()->Player();
}

void TSWAbility_Spread::DropFirersCell() {
  TCoordsList& targets = MutableTargets();
  if (targets.Count() == 0) return;
  const TPoint first = targets.Coords(0);
  if (IsFirersCell(Map().Cell(first.X, first.Y))) targets.Delete(0);
}

void TSWAbility_Spread::PruneTargets() {
  TCoordsList& targets = MutableTargets();
  while (targets.Count() > maxTargets_)
    targets.Delete(1 + RandomSource().Next(targets.Count() - 1));
}

void TSWAbility_RemovePath::Init() {
  TSWBasicAbility::Init();
  autocastable_ = true;
}

void TSWAbility_RemovePath::Execute() {
  TSWMapCellSlots& slots = Firer()->Slots();
  if (slots.IsFree(u"path")) {
    Cancel();
    return;
  }
  GetConfig()->Events().RaiseEvent(kEventPathRemoved, &slots);
  slots.Remove(u"path");
  EndFiring();
}

void RegisterAbilityClasses() {
  RegisterAbilityClass<TSWAbility_Seed>();
  RegisterAbilityClass<TSWAbility_Vegetate>();
  RegisterAbilityClass<TSWAbility_Spread>();
  RegisterAbilityClass<TSWAbility_RemovePath>();
}
