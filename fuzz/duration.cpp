// Duration text as object levels and cooldowns hold it ("90", "2m", "1h"): parsed alone, and as
// a line of a "levels" section in both tick modes.
#include <string>

#include "base/errors.h"
#include "base/utf8.h"
#include "config/object_factory.h"
#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"
#include "fuzz_target.h"
#include "game/tick_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const WideString text = Utf8Decode(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    ParseDuration(text);
  } catch (const EConvertError&) {
  }
  TStringListW lines;
  lines.Add(u"[fuzz levels]");
  lines.Add(text);
  TMemIniFileW ini;
  ini.SetStrings(lines);
  for (TTickMode mode : {tmTurn, tmRealTime}) {
    TTickList ticks(mode);
    try {
      ticks.LoadFrom(ini, u"fuzz levels");
      for (int i = 0; i < ticks.Count(); ++i) ticks.Ticks(i);
    } catch (const EConvertError&) {
    }
  }
  return 0;
}
