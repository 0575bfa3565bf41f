#include "lint/soil_bonus_check.h"

#include <cmath>
#include <optional>

#include "base/errors.h"
#include "base/int_parse.h"
#include "base/saturating.h"
#include "config/package.h"
#include "containers/explode.h"
#include "containers/strings_w.h"
#include "map/soil_cells.h"

namespace {

constexpr const char16_t* kSoilBonuses = u"Soil bonuses";

// An object whose hit points the bonus takes out of range, and where they would end.
struct TOverflow {
  WideString Object;
  int32_t HP;
  double Result;
};

// The first object in use under the map in force (seeds get no bonus) that `percent` takes
// beyond 32 bits.
std::optional<TOverflow> FirstOverflow(TLintData& data, const TLintUsage& usage,
                                       const TLintSource* map, int32_t percent) {
  const float bonus = SoilBonusFraction(percent);
  for (const TLintUse& use : usage.Objects) {
    if (use.Map != nullptr && use.Map != map) continue;
    const WideString name = Trim(Explode(u",", use.Name)[0]);
    if (name == u"seed") continue;
    const std::optional<int32_t> stored =
        TryStrToInt(data.Package().ReadStr(name, u"HP", {u"MAP", u"objects"}));
    const int32_t hp = !stored || *stored == -1 ? 100 : *stored;
    const double result = std::nearbyint(HPWithSoilBonus(hp, hp, bonus));
    if (result > kInt32Max || result < kInt32Min) return TOverflow{name, hp, result};
  }
  return std::nullopt;
}

void CheckRange(TLintData& data, const TLintUsage& usage, const TLintSource& source,
                const WideString& key, int32_t percent, TLintReport& report) {
  data.ForEachMap(source.IsMap ? &source : nullptr, [&] {
    // A map's own value of the key wins over that of objects.ini.
    if (data.Package().FindIni(kSoilBonuses, key, {u"MAP", u"objects"}) != source.Ini) return;
    const TLintSource* map = source.IsMap ? &source : nullptr;
    if (const std::optional<TOverflow> overflow = FirstOverflow(data, usage, map, percent))
      report.Add({source.File, kSoilBonuses, key},
                 IntToWide(percent) + u" % takes " + overflow->Object + u" (HP " +
                     IntToWide(overflow->HP) + u") to " +
                     IntToWide(static_cast<int64_t>(overflow->Result)) +
                     u" hit points, beyond what they hold: it gets " +
                     IntToWide(SaturatedInt32(overflow->Result)));
  });
}

}  // namespace

void CheckSoilBonuses(TLintData& data, const TLintUsage& usage, TLintReport& report) {
  for (const TLintSource& source : data.Sources())
    for (const WideString& line : SectionLines(*source.Ini, kSoilBonuses)) {
      const WideString key = LineName(line);
      if (const std::optional<int32_t> percent = TryStrToInt(LineValue(line))) {
        CheckRange(data, usage, source, key, *percent, report);
        continue;
      }
      data.UseMap(source.IsMap ? &source : nullptr);
      try {
        data.Package().ReadIntFrom({u"MAP", u"objects"}, kSoilBonuses, {key});
      } catch (const Exception& error) {
        report.Add({source.File, kSoilBonuses, key}, error.Message());
      }
    }
}
