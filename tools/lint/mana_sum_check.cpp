#include "lint/mana_sum_check.h"

#include <algorithm>
#include <optional>

#include "base/errors.h"
#include "base/saturating.h"
#include "config/package.h"
#include "containers/strings_w.h"
#include "game/slot_object_kinds.h"
#include "lint/lint_modes.h"
#include "lint/lint_usage.h"

namespace {

constexpr WideStringView kObjectsOf = u"Objects of ";

// The mana per tick a flower of `spec` gives its owner in `mode`: a Melly's ManaPerTick, not
// below 0. Nothing for other kinds and values that do not read (their own checks report those).
int64_t ManaPerTickOf(TSWPackage& package, const WideString& spec, TTickMode mode) {
  const std::optional<TTypeSpec> type = ResolveSpec(spec, TSWFlower::StaticClass());
  if (!type || !type->Class->Class->InheritsFrom(TSWFlower_Melly::StaticClass())) return 0;
  try {
    return std::max(
        package.ReadIntFrom({u"MAP", u"objects"}, type->Params[0], {u"ManaPerTick"}, mode, u" "),
        0);
  } catch (const Exception&) {
    return 0;
  }
}

void CheckPlayer(TLintData& data, const TLintSource& map, const WideString& section,
                 TLintReport& report) {
  for (const TTickMode mode : kLintModes) {
    int64_t sum = 0;
    for (const WideString& line : SectionLines(*map.Ini, section))
      sum += ManaPerTickOf(data.Package(), LineValue(line), mode);
    if (sum > kInt32Max)
      report.Add({map.File, section},
                 ModeText(mode) + u": the mana per tick of its Melly flowers adds up to " +
                     IntToWide(sum) + u", beyond what 32 bits hold: the player gets " +
                     IntToWide(kInt32Max));
  }
}

}  // namespace

void CheckManaSums(TLintData& data, TLintReport& report) {
  for (const TLintSource* map : data.Maps()) {
    data.UseMap(map);
    for (const WideString& section : SectionsContaining(*map->Ini, kObjectsOf))
      if (section.starts_with(kObjectsOf)) CheckPlayer(data, *map, section, report);
  }
}
