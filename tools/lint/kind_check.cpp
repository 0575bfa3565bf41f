#include "lint/kind_check.h"

#include "base/errors.h"
#include "base/int_parse.h"
#include "config/object_factory.h"
#include "game/ability.h"
#include "game/flower_seed.h"
#include "lint/scratch_objects.h"

namespace {

constexpr WideStringView kAbilitiesAt = u" abilities at ";
constexpr const char16_t* kAbilityFlags[] = {u"autocast", u"uncharged"};

// What is left of the flags once the known ones and the separators between them are gone.
WideString UnknownFlags(WideString flags) {
  for (WideStringView flag : kAbilityFlags)
    for (size_t at = flags.find(flag); at != WideString::npos; at = flags.find(flag))
      flags.erase(at, flag.size());
  WideString rest;
  for (char16_t unit : flags)
    if (unit != u',' && unit != u' ' && unit != u';' && unit != u'|') rest += unit;
  return rest;
}

void CheckFlags(const TLintUse& use, const TSWAbility& ability, TLintReport& report) {
  if (!UnknownFlags(use.Flags).empty())
    report.Add(use.Where,
               u"unknown flags \"" + use.Flags + u"\": the game knows autocast and uncharged");
  if (use.Flags.find(u"autocast") != WideString::npos && !ability.Autocastable())
    report.Add(use.Where, u"autocast has no effect: " + ability.ClassName() + u" cannot auto-cast");
}

}  // namespace

void CheckObjectKinds(const TLintUsage& usage, TLintReport& report) {
  for (const TLintUse& use : usage.Objects) {
    try {
      const TTypeSpec type = CreateFrom(use.Name, TSWFlower::StaticClass());
      if (type.Class->Class->InheritsFrom(TSWFlower_Seed::StaticClass()) && type.Params.size() < 2)
        report.Add(use.Where, u"a seed needs the flower it grows into: \"seed,<flower>\"");
    } catch (const Exception& error) {
      report.Add(use.Where, error.Message());
    }
  }
}

void CheckAbilityLines(TLintData& data, const TLintUsage& usage, TLintReport& report) {
  for (const TLintUse& use : usage.Abilities) {
    data.UseMap(use.Map);
    try {
      CheckFlags(use, *MakeAbility(&data.Config(), use.Name), report);
    } catch (const Exception& error) {
      report.Add(use.Where, error.Message());
    }
  }
}

void CheckAbilitySections(TLintData& data, TLintReport& report) {
  for (const TLintSource& source : data.Sources())
    for (const WideString& section : SectionsContaining(*source.Ini, kAbilitiesAt)) {
      const WideString level = section.substr(section.rfind(kAbilitiesAt) + kAbilitiesAt.size());
      const std::optional<int32_t> number = TryStrToInt(level);
      if (!number || *number < 1 || IntToWide(*number) != level)
        report.Add({source.File, section},
                   u"never read: objects look for \"<name> abilities at <level>\", the level a "
                   u"number from 1");
    }
}
