#include "lint/value_check.h"

#include <optional>

#include "base/errors.h"
#include "config/package.h"
#include "containers/string_list_w.h"
#include "game/ability.h"
#include "game/flower_seed.h"
#include "game/tick_list.h"
#include "lint/lint_modes.h"
#include "lint/scratch_objects.h"

namespace {

// Runs `read` in each tick mode and reports what it fails with; the store's mode is kept.
template <class Read>
void ForEachMode(TSWConfig& config, const TLintRef& where, TLintReport& report, Read read) {
  const TTickMode kept = config.TickMode();
  for (TTickMode mode : kLintModes) {
    config.SetTickMode(mode);
    try {
      read(mode);
    } catch (const Exception& error) {
      report.Add(where, ModeText(mode) + u": " + error.Message());
    }
  }
  config.SetTickMode(kept);
}

// Where the value of `key` in `section` comes from under the map in force.
std::optional<TLintRef> Definition(TLintData& data, const WideString& section,
                                   const WideString& key, TVarArgs files) {
  const TMemIniFileW* ini = data.Package().FindIni(section, key, files);
  if (ini == nullptr) return std::nullopt;
  return TLintRef{data.FileOf(ini), section, key};
}

void CheckCooldown(TLintData& data, const TSWAbility& ability, TLintReport& report) {
  const std::optional<TLintRef> where =
      Definition(data, ability.Name(), u"cooldown", {u"MAP", u"abilities"});
  if (!where) {
    report.Add({u"abilities.ini", ability.Name(), u"cooldown"},
               u"missing: every ability needs one (\"<turns> <real-time duration>\")");
    return;
  }
  ForEachMode(data.Config(), *where, report, [&](TTickMode) { ability.Cooldown(); });
}

// The section's lines one by one, so that each bad line is reported.
void CheckLevelLines(TLintData& data, const TLintSource& source, const WideString& section,
                     TLintReport& report) {
  for (const WideString& line : SectionLines(*source.Ini, section)) {
    TStringListW text;
    text.Add(u"[" + section + u"]");
    text.Add(line);
    TMemIniFileW alone;
    alone.SetStrings(text);
    const TLintRef where{source.File, section, line};
    ForEachMode(data.Config(), where, report, [&](TTickMode mode) {
      TTickList level(mode);
      level.LoadFrom(alone, section);
      if (level.Count() == 1 && level.Ticks(0) < 1)
        report.Add(where, ModeText(mode) + u": " + IntToWide(level.Ticks(0)) +
                              u" ticks, below 1: the level passes at the next tick");
    });
  }
}

// Reports `value` when it is below `lowest`, unless it is -1, which the game reads as absent.
void CheckLowest(const TLintRef& where, const WideString& prefix, int32_t value, int32_t lowest,
                 const char16_t* effect, TLintReport& report) {
  if (value < lowest && value != -1)
    report.Add(where, prefix + u"is " + IntToWide(value) + u", below " + IntToWide(lowest) + u": " +
                          effect);
}

void CheckNumbers(TLintData& data, const TTypeSpec& object, TLintReport& report) {
  TSWPackage& package = data.Package();
  const WideString& name = object.Params[0];
  if (std::optional<TLintRef> where = Definition(data, name, u"HP", {u"MAP", u"objects"})) {
    try {
      CheckLowest(*where, {}, package.ReadInt(name, u"HP", {u"MAP", u"objects"}), 1,
                  u"the object lives without hit points until the first hit kills it", report);
    } catch (const Exception& error) {
      report.Add(*where, error.Message());
    }
  }
  if (std::optional<TLintRef> where = Definition(data, name, u"ManaPerTick", {u"MAP", u"objects"}))
    ForEachMode(data.Config(), *where, report, [&](TTickMode mode) {
      CheckLowest(*where, ModeText(mode) + u": ",
                  package.ReadIntFrom({u"MAP", u"objects"}, name, {u"ManaPerTick"}, mode), 0,
                  u"the game reads it as 0", report);
    });
  if (!object.Class->Class->InheritsFrom(TSWFlower_Seed::StaticClass()) || object.Params.size() < 2)
    return;
  const WideString growth = name + u" growth";
  for (const WideString& key : {object.Params[1], WideString(u"*")})
    if (std::optional<TLintRef> where = Definition(data, growth, key, {u"MAP", u"objects"})) {
      try {
        CheckLowest(*where, {}, package.ReadIntFrom({u"MAP", u"objects"}, growth, {key}), 1,
                    u"its seeds never sprout", report);
      } catch (const Exception& error) {
        report.Add(*where, error.Message());
      }
      return;
    }
}

}  // namespace

void CheckCooldowns(TLintData& data, const TLintUsage& usage, TLintReport& report) {
  for (const TLintUse& use : usage.Abilities)
    data.ForEachMap(use.Map, [&] {
      try {
        CheckCooldown(data, *MakeAbility(&data.Config(), use.Name), report);
      } catch (const Exception&) {
        // An ability that cannot be made: its line's own check reports it.
      }
    });
}

void CheckLevels(TLintData& data, TLintReport& report) {
  for (const TLintSource& source : data.Sources())
    for (const WideString& section : SectionsContaining(*source.Ini, u" levels"))
      if (section.ends_with(u" levels")) CheckLevelLines(data, source, section, report);
}

void CheckObjectValues(TLintData& data, const TLintUsage& usage, TLintReport& report) {
  for (const TLintUse& use : usage.Objects) {
    // An unknown kind is the kind check's to report.
    if (const std::optional<TTypeSpec> object = ResolveSpec(use.Name, TSWFlower::StaticClass()))
      data.ForEachMap(use.Map, [&] { CheckNumbers(data, *object, report); });
  }
}
