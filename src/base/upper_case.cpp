#include "base/upper_case.h"

#include <locale.h>
#include <wctype.h>

#include <array>
#include <memory>

namespace {

// The Unicode tables of the C library, from a UTF-8 locale made once and never freed;
// the process-wide locale stays untouched.
locale_t UnicodeLocale() {
  static const locale_t locale = [] {
    locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return made ? made : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
  }();
  return locale;
}

// A mapping that would leave the 16-bit range (or produce a surrogate) keeps the unit as it is.
char16_t MapUnit(char16_t unit, wint_t (*map)(wint_t, locale_t)) {
  if (unit < 0x80) {
    if (map == towupper_l) return (unit >= u'a' && unit <= u'z') ? unit - 32 : unit;
    return (unit >= u'A' && unit <= u'Z') ? unit + 32 : unit;
  }
  if (unit >= 0xD800 && unit <= 0xDFFF) return unit;
  const wint_t mapped = map(unit, UnicodeLocale());
  return mapped <= 0xFFFF && (mapped < 0xD800 || mapped > 0xDFFF) ? static_cast<char16_t>(mapped)
                                                                  : unit;
}

WideString MapText(WideStringView text, wint_t (*map)(wint_t, locale_t)) {
  WideString result(text);
  for (char16_t& unit : result) unit = MapUnit(unit, map);
  return result;
}

}  // namespace

namespace {

// Every unit of every key a registry hashes or compares is upper-cased, so the C library's
// mapping is asked once per unit value, at first use, and kept (128 KiB).
const std::array<char16_t, 0x10000>& UpperCaseTable() {
  static const auto table = [] {
    auto made = std::make_unique<std::array<char16_t, 0x10000>>();
    for (size_t unit = 0; unit < made->size(); ++unit)
      (*made)[unit] = MapUnit(static_cast<char16_t>(unit), towupper_l);
    return made;
  }();
  return *table;
}

}  // namespace

char16_t UpCaseBeyondAscii(char16_t unit) { return UpperCaseTable()[unit]; }
char16_t LowCaseUnit(char16_t unit) { return MapUnit(unit, towlower_l); }
WideString WideUpperCase(WideStringView text) { return MapText(text, towupper_l); }
WideString WideLowerCase(WideStringView text) { return MapText(text, towlower_l); }

bool SameTextW(WideStringView a, WideStringView b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && UpCaseUnit(a[i]) != UpCaseUnit(b[i])) return false;
  return true;
}
