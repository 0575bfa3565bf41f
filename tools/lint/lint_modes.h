#pragma once
// The two tick modes values are checked in, and how a problem names the mode it occurs in.
#include "base/wide_string.h"
#include "config/tick_mode.h"

inline constexpr TTickMode kLintModes[] = {tmTurn, tmRealTime};

inline WideString ModeText(TTickMode mode) {
  return mode == tmTurn ? u"in turn mode" : u"in real time";
}
