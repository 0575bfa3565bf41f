#pragma once
// Case mapping per UTF-16 code unit with the C library's Unicode tables; the length never changes.
#include "base/wide_string.h"

// Beyond ASCII: the C library's mapping, looked up once per unit value and kept.
char16_t UpCaseBeyondAscii(char16_t unit);
// Inline for ASCII, the units of nearly every key the registries hash and compare.
inline char16_t UpCaseUnit(char16_t unit) {
  if (unit >= 0x80) return UpCaseBeyondAscii(unit);
  return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 32) : unit;
}
char16_t LowCaseUnit(char16_t unit);
WideString WideUpperCase(WideStringView text);
WideString WideLowerCase(WideStringView text);

// Case-insensitive equality, unit by unit through UpCaseUnit.
bool SameTextW(WideStringView a, WideStringView b);
