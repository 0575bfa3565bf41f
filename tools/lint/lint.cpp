#include "lint/lint.h"

#include <filesystem>

#include "base/errors.h"
#include "base/utf8.h"
#include "lint/data_files_check.h"
#include "lint/image_check.h"
#include "lint/item_case_check.h"
#include "lint/kind_check.h"
#include "lint/language_check.h"
#include "lint/level_value_check.h"
#include "lint/lint_data.h"
#include "lint/lint_usage.h"
#include "lint/mana_sum_check.h"
#include "lint/map_layout_check.h"
#include "lint/soil_bonus_check.h"
#include "lint/value_check.h"

namespace {

// Each check catches what it expects; a failure it did not expect ends that check only, and is
// reported so that it is not mistaken for a clean result.
template <class Check>
void Run(TLintReport& report, const char16_t* concern, Check check) {
  try {
    check();
  } catch (const Exception& error) {
    report.Add({u"sorrelwind-lint"},
               u"the " + WideString(concern) + u" check stopped early: " + error.Message());
  }
}

}  // namespace

TLintReport RunLint(const std::string& folder) {
  TLintReport report;
  // Every file would be reported missing; the one problem is the folder.
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    report.Add({EscapedText(folder)}, u"there is no such data folder");
    return report;
  }
  TLintData data(folder);
  Run(report, u"data files", [&] { CheckDataFiles(data, report); });
  Run(report, u"map size", [&] { CheckMapSize(data, report); });
  Run(report, u"map rows", [&] { CheckMapRows(data, report); });
  Run(report, u"object placement", [&] { CheckObjectPlacement(data, report); });
  Run(report, u"map players", [&] { CheckMapPlayers(data, report); });

  TLintUsage usage;
  Run(report, u"usage", [&] { usage = CollectUsage(data); });
  Run(report, u"object kinds", [&] { CheckObjectKinds(usage, report); });
  Run(report, u"ability sections", [&] { CheckAbilitySections(data, report); });
  Run(report, u"levels", [&] { CheckLevels(data, report); });
  // The lookups below read "abilities" and "objects"; without them every lookup would fail.
  const bool hasAbilities = data.HasItem(u"abilities.ini");
  const bool hasObjects = data.HasItem(u"objects.ini");
  if (hasAbilities) {
    Run(report, u"ability lines", [&] { CheckAbilityLines(data, usage, report); });
    Run(report, u"cooldowns", [&] { CheckCooldowns(data, usage, report); });
  }
  if (hasAbilities) {
    Run(report, u"ability level values", [&] { CheckAbilityLevelValues(data, usage, report); });
  }
  if (hasObjects) {
    Run(report, u"object values", [&] { CheckObjectValues(data, usage, report); });
    Run(report, u"soil bonuses", [&] { CheckSoilBonuses(data, usage, report); });
    Run(report, u"mana sums", [&] { CheckManaSums(data, report); });
  }
  if (data.LanguageLoaded()) Run(report, u"language", [&] { CheckLanguage(data, usage, report); });
  Run(report, u"object images", [&] { CheckObjectImages(data, usage, report); });
  if (hasAbilities) Run(report, u"ability icons", [&] { CheckAbilityIcons(data, usage, report); });
  Run(report, u"cell images", [&] { CheckCellImages(data, usage, report); });
  Run(report, u"map pictures", [&] { CheckMapPictures(data, report); });
  Run(report, u"item names", [&] { CheckItemCase(data, report); });
  return report;
}
