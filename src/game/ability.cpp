#include "game/ability.h"

#include <optional>

#include "base/errors.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "config/no_value.h"
#include "config/object_factory.h"
#include "config/package.h"
#include "game/flower.h"
#include "game/random_source.h"

SW_CLASS_DEFINE(TSWAbility, TSWObject)

namespace {

struct TCooldownRange {
  int32_t Low;
  int32_t High;
};

// Nothing when a bound does not parse.
std::optional<TCooldownRange> ParseCooldownRange(const WideString& text) {
  const size_t dash = FindUnescaped(text, u'-');
  const WideString low = dash == WideString::npos ? text : text.substr(0, dash);
  const WideString high = dash == WideString::npos ? text : text.substr(dash + 1);
  try {
    return TCooldownRange{ParseDuration(low), ParseDuration(high)};
  } catch (const EConvertError&) {
    return std::nullopt;
  }
}

}  // namespace

void TSWAbility::Init() {
  level_ = 0;
  autocastable_ = false;
  firing_ = false;
}

void TSWAbility::LoadFrom(const std::vector<WideString>& params) {
  if (params.empty()) Raise<EListError>(u"%s.LoadFrom() was passed empty Params.", {ClassName()});
  name_ = params[0];
  params_ = params;
  glyph16_ = ReadGlyph(u"glyph16", u" 16");
  glyph32_ = ReadGlyph(u"glyph32", u" 32");
}

WideString TSWAbility::ReadGlyph(const char16_t* key, const char16_t* defaultSuffix) const {
  WideString glyph = config_->RequirePackage().ReadStr(name_, key, {u"MAP", u"abilities"});
  return glyph == NoValue ? name_ + defaultSuffix : glyph;
}

void TSWAbility::FireBy(TObject* firer) {
  if (IsFiring()) Raise<EInvalidOperation>(u"%s is already firing.", {ClassName()});
  firing_ = true;
  if (const TSWFlower* flower = As<TSWFlower>(firer)) level_ = flower->Level();
  try {
    RaiseEvent(kEventFire);
  } catch (...) {
    // A vetoed fire never started: nothing will ever end or cancel it.
    firing_ = false;
    throw;
  }
}

void TSWAbility::Cancel() {
  firing_ = false;
  RaiseEvent(kEventCancel);
}

void TSWAbility::EndFiring() {
  firing_ = false;
  RaiseEvent(kEventEnd);
}

const TPngImage& TSWAbility::GetGlyph(int size) {
  if (size != 16 && size != 32) Raise<EListError>(u"Wrong glyph size for ability (%d).", {size});
  return config_->RequirePackage().Image(u"abilities/" + (size == 16 ? glyph16_ : glyph32_));
}

WideString TSWAbility::GetCaption(const WideString& name) const {
  return config_->Lang(u"ability: " + (name.empty() ? name_ : name));
}

int32_t TSWAbility::Cooldown() const {
  const WideString text = config_->RequirePackage().ReadStrFrom(
      {u"MAP", u"abilities", u"RAISE"}, name_, {u"cooldown"}, config_->TickMode());
  const std::optional<TCooldownRange> range = ParseCooldownRange(text);
  // A reversed range or a negative bound is a data mistake like an unparsable one: a recharge
  // cannot last less than no time, and with both bounds at least 0 the width fits 32 bits.
  if (!range || range->Low < 0 || range->High < range->Low)
    Raise<EConvertError>(
        u"Ability cooldown for [%s] must be a number or a range (e.g. 1m-5m) but \"%s\" was given.",
        {name_, text});
  if (range->High == range->Low) return range->Low;
  return range->Low + RandomSource().Next(range->High - range->Low);
}

int32_t TSWAbility::ReadLevelInt(const WideString& key, int index) const {
  return config_->RequirePackage().ReadIntFrom({u"MAP", u"abilities", u"RAISE"}, name_, {key},
                                               index);
}

TOwned<TSWAbility> CreateAbility(const TRegisteredClass& abilityClass, TSWConfig* config) {
  const auto factory = reinterpret_cast<TSWAbilityFactory>(abilityClass.Factory);
  return TOwned<TSWAbility>(factory(config));
}

TOwned<TSWAbility> MakeAbility(TSWConfig* config, const WideString& spec) {
  const TTypeSpec type = CreateFrom(spec, TSWAbility::StaticClass());
  TOwned<TSWAbility> ability = CreateAbility(*type.Class, config);
  ability->LoadFrom(type.Params);
  return ability;
}

void RegisterAbilityFamily() {
  TSWAbilities::RegisterFamily({&TSWAbility::StaticClass(),
                                [](TSWConfig* config, const WideString& spec) -> TOwned<TSWObject> {
                                  return MakeAbility(config, spec);
                                }});
}
