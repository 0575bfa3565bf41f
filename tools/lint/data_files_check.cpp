#include "lint/data_files_check.h"

#include <optional>

namespace {

// The ini items whose text the game reads: the configuration, the language and every map.
std::vector<WideString> IniNames(TLintData& data) {
  std::vector<WideString> names;
  for (const char16_t* name : {u"objects", u"abilities", u"lang"})
    if (data.HasItem(WideString(name) + u".ini")) names.push_back(name);
  for (const TLintSource* map : data.Maps())
    names.push_back(map->File.substr(0, map->File.size() - 4));  // without ".ini"
  return names;
}

}  // namespace

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
  CheckTextFiles(data, report);
}

void CheckTextFiles(TLintData& data, TLintReport& report) {
  for (const WideString& name : IniNames(data))
    if (const std::optional<WideString> fault = data.Package().IniFault(name))
      report.Add({name + u".ini"},
                 *fault + u": the game reads no section from it and refuses to start");
  for (const WideString& name : data.UndecodableMapNames())
    report.Add({name}, u"the file name is not UTF-8 text: no map name reaches it");
}
