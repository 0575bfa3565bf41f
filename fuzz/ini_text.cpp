// Ini text as any data file holds it: parsed, every value read the ways the game reads values,
// and written out again, which must parse back to the same content.
#include <cstdlib>
#include <string>

#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"
#include "fuzz_target.h"
#include "platform/memory_stream.h"

namespace {

void ReadEveryValue(const TMemIniFileW& ini) {
  TStringListW sections;
  ini.ReadSections(sections);
  for (int s = 0; s < sections.Count(); ++s) {
    const WideString& section = sections.Strings(s);
    TStringListW keys;
    ini.ReadSection(section, keys);
    for (int k = 0; k < keys.Count(); ++k) {
      ini.ReadString(section, keys.Strings(k), u"");
      ini.ReadInteger(section, keys.Strings(k), -1);
      ini.ReadBool(section, keys.Strings(k), false);
      ini.ReadFloat(section, keys.Strings(k), 0.5);
    }
    ini.SectionExists(section);
  }
  TStringListW players;
  ini.ReadSectionsContaining(u"Objects of ", players, true);
}

WideString Written(const TMemIniFileW& ini) {
  TStringListW lines;
  ini.GetStrings(lines);
  return lines.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
  TMemIniFileW ini;
  ini.LoadFromStream(stream);
  ReadEveryValue(ini);

  TStringListW lines;
  ini.GetStrings(lines);
  TMemIniFileW again;
  again.SetStrings(lines);
  if (Written(again) != Written(ini)) std::abort();  // what was written reads back differently
  return 0;
}
