#include "game/ability.h"

#include "base/errors.h"
#include "config/config_store.h"
#include "config/no_value.h"
#include "config/package.h"

SW_CLASS_DEFINE(TSWAbility, TSWObject)

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

std::unique_ptr<TSWAbility> CreateAbility(const TRegisteredClass& abilityClass, TSWConfig* config) {
  const auto factory = reinterpret_cast<TSWAbilityFactory>(abilityClass.Factory);
  return std::unique_ptr<TSWAbility>(factory(config));
}
