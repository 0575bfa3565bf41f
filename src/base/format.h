#pragma once
// The format syntax of every message and language string:
//   "%" [index ":"] ["-"] [width] ["." precision] type     types: d u e f g n m p s x, and "%%".
// Width and precision may be "*", taken from the next argument.
#include "base/var_rec.h"
#include "base/wide_string.h"

// Fails with a conversion error when a directive does not match its argument or has none.
WideString Format(WideStringView pattern, TVarArgs args);
