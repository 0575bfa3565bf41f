#pragma once
#include "base/wide_string.h"

// What a property lookup gives when nothing was found: one U+0000 character, so that a key
// present with an empty value is told apart from a missing key.
inline const WideString NoValue(1, u'\0');
