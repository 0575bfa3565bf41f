#include "lint/data_files_check.h"

#include <optional>

void CheckDataFiles(TLintData& data, TLintReport& report) {
  for (const char16_t* file : {u"objects.ini", u"abilities.ini"})
    if (!data.HasItem(file))
      report.Add({file}, u"missing: every object and ability is read from it");
  if (!data.HasItem(u"lang.ini"))
    report.Add({u"lang.ini"}, u"missing: every text of the game is read from it");
  else if (const std::optional<WideString> failure = data.LoadLanguage())
    report.Add({u"lang.ini"}, *failure);
  if (!data.HasItem(u"maps\\genesis.ini"))
    report.Add({u"maps\\genesis.ini"}, u"missing: the main window loads this map");
}
