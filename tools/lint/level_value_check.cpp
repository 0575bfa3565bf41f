#include "lint/level_value_check.h"

#include <optional>

#include "base/errors.h"
#include "base/int_parse.h"
#include "config/package.h"
#include "game/ability_kinds.h"

namespace {

constexpr WideStringView kAbilitiesAt = u" abilities at ";

struct TLevels {
  int32_t First;
  int32_t Last;
};

// The level an object of `owner` reaches last: as many as its "levels" section has lines.
int32_t LastLevel(TSWPackage& package, const WideString& owner) {
  const WideString section = owner + u" levels";
  const TMemIniFileW* ini = package.FindSection(section, {u"MAP", u"objects"});
  int32_t last = 0;
  if (ini != nullptr)
    for (const WideString& line : SectionLines(*ini, section)) last += line.empty() ? 0 : 1;
  return last;
}

// The levels at which the line `use` is in force under the map in force; nothing when another
// file's section of the same name wins, or when the owner never reaches the section's level.
std::optional<TLevels> LevelsOf(TLintData& data, const TLintUse& use) {
  const WideString& section = use.Where.Section;
  const size_t at = section.rfind(kAbilitiesAt);
  const std::optional<int32_t> number = TryStrToInt(section.substr(at + kAbilitiesAt.size()));
  if (!number || *number < 1) return std::nullopt;
  TSWPackage& package = data.Package();
  const TMemIniFileW* ini = package.FindSection(section, {u"MAP", u"objects"});
  if (ini == nullptr || data.FileOf(ini) != use.Where.File) return std::nullopt;
  const WideString owner = section.substr(0, at);
  const int32_t lastLevel = LastLevel(package, owner);
  TLevels levels{*number - 1, *number - 1};
  if (levels.First > lastLevel) return std::nullopt;
  const WideString prefix = owner + WideString(kAbilitiesAt);
  while (levels.Last < lastLevel &&
         package.FindSection(prefix + IntToWide(int64_t{levels.Last} + 2), {u"MAP", u"objects"}) ==
             nullptr)
    ++levels.Last;
  return levels;
}

// What a value below 0 does in the game. Where a value may be absent, -1 reads as absent.
struct TValueRule {
  WideString What;
  bool MinusOneIsAbsent;
  const char16_t* Effect;
};

// Reads one value at each level and reports the first level at which it fails or is below 0.
template <class Read>
void CheckLevels(const TLintUse& use, TLevels levels, const TValueRule& rule, Read read,
                 TLintReport& report) {
  for (int32_t level = levels.First; level <= levels.Last; ++level) {
    const WideString at = u"at level " + IntToWide(level) + u": ";
    try {
      const int32_t value = read(level);
      if (value >= 0 || (rule.MinusOneIsAbsent && value == -1)) continue;
      report.Add(use.Where,
                 at + rule.What + u" is " + IntToWide(value) + u", below 0: " + rule.Effect);
    } catch (const Exception& error) {
      report.Add(use.Where, at + error.Message());
    }
    return;
  }
}

void CheckAbility(const TLintUse& use, TLevels levels, TSWAbility& ability, TLintReport& report) {
  const auto* seed = As<TSWAbility_Seed>(&ability);
  if (seed == nullptr) return;
  const WideString& name = ability.Name();
  CheckLevels(
      use, levels, {u"[" + name + u" distances]", true, u"the ability reaches no cell"},
      [&](int32_t level) { return seed->DistanceAt(level); }, report);
  if (const auto* spread = As<TSWAbility_Spread>(&ability)) {
    CheckLevels(
        use, levels, {u"the damage distance", false, u"only the firer's own cell is hurt"},
        [&](int32_t level) { return spread->DamageDistanceAt(level); }, report);
    CheckLevels(
        use, levels, {u"the damage", false, u"it heals what it hits"},
        [&](int32_t level) { return spread->DamageAt(level); }, report);
    return;
  }
  CheckLevels(
      use, levels, {u"[" + name + u" mana req]", true, u"the game makes it free"},
      [&](int32_t level) { return seed->ManaRequirementAt(level); }, report);
}

}  // namespace

void CheckAbilityLevelValues(TLintData& data, const TLintUsage& usage, TLintReport& report) {
  for (const TLintUse& use : usage.Abilities)
    data.ForEachMap(use.Map, [&] {
      const std::optional<TLevels> levels = LevelsOf(data, use);
      if (!levels) return;
      try {
        CheckAbility(use, *levels, *MakeAbility(&data.Config(), use.Name), report);
      } catch (const Exception&) {
        // An ability that cannot be made: its line's own check reports it.
      }
    });
}
