#pragma once
// Case mapping per UTF-16 code unit with the C library's Unicode tables; the length never changes.
#include "base/wide_string.h"

char16_t UpCaseUnit(char16_t unit);
char16_t LowCaseUnit(char16_t unit);
WideString WideUpperCase(WideStringView text);
WideString WideLowerCase(WideStringView text);

// Case-insensitive equality, unit by unit through UpCaseUnit.
bool SameTextW(WideStringView a, WideStringView b);
