#pragma once
// The platform integer parse: leading blanks, an optional "+" or "-", then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing may follow; the value must fit
// in 32 signed bits.
#include <cstdint>
#include <optional>

#include "base/wide_string.h"

std::optional<int32_t> TryStrToInt(WideStringView text);

// As above; fails with "'%s' is not a valid integer value" (a conversion error).
int32_t StrToInt(WideStringView text);
