#pragma once
// UTF-16 text, the representation of every name, key, value and message in the engine.
#include <cstdint>
#include <string>
#include <string_view>

using WideString = std::u16string;
using WideStringView = std::u16string_view;

// Widens plain ASCII (or Latin-1) text unit by unit; for literals and numbers, not for file
// content.
WideString WideFromAscii(std::string_view text);

// Decimal text of a number.
WideString IntToWide(int64_t value);

// Removes every character of code 32 or below from both ends.
WideString Trim(WideStringView text);

// True when `text` starts with `prefix`, compared exactly.
bool StartsWith(WideStringView text, WideStringView prefix);

// The position of the first `separator` in `text` that is not preceded by a backslash, or npos.
size_t FindUnescaped(WideStringView text, char16_t separator);
