#include "game/tick_list.h"

#include <cstdint>

#include "base/errors.h"
#include "base/int_parse.h"
#include "config/object_factory.h"
#include "containers/custom_ini_file_w.h"

SW_CLASS_DEFINE(TTickList, TStringListW)

namespace {

// The list attaches an object reference to each line; here that slot carries the tick count,
// never dereferenced.
TObject* PackedTicks(int32_t ticks) {
  return reinterpret_cast<TObject*>(static_cast<intptr_t>(ticks));
}

int32_t UnpackedTicks(const TObject* packed) {
  return static_cast<int32_t>(reinterpret_cast<intptr_t>(packed));
}

}  // namespace

int32_t TTickList::Ticks(int index) const { return UnpackedTicks(Objects(index)); }

void TTickList::LoadFrom(const TCustomIniFileW& ini, const WideString& section) {
  ini.ReadSectionValues(section, *this);
  for (int i = Count() - 1; i >= 0; --i)
    if (Strings(i).empty()) Delete(i);
  for (int i = 0; i < Count(); ++i) SetObjects(i, PackedTicks(ParseLine(section, Strings(i))));
}

int32_t TTickList::ParseLine(const WideString& section, const WideString& line) const {
  const size_t split = FindUnescaped(line, u' ');
  const WideString turns = split == WideString::npos ? WideString() : line.substr(0, split);
  const WideString duration = split == WideString::npos ? line : line.substr(split + 1);
  try {
    if (tickMode_ == tmRealTime) return ParseDuration(duration);
    if (const std::optional<int32_t> count = TryStrToInt(turns)) return *count;
  } catch (const EConvertError&) {
    // The duration's own message names only its number; the whole line tells more.
  }
  Raise<EConvertError>(u"Couldn't load level ticks from [%s] because %s wasn't a number.",
                       {section, line});
}
