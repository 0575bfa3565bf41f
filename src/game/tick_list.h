#pragma once
// The ticks an object spends at each of its levels: line N of an object's "levels" section
// holds the turn count, a space and the real-time duration for level N, and the list attaches
// to each line the number for the tick mode it was made in.
#include <cstdint>

#include "config/tick_mode.h"
#include "containers/string_list_w.h"

class TCustomIniFileW;

class TTickList : public TStringListW {
  SW_CLASS(TTickList)

  explicit TTickList(TTickMode tickMode) : tickMode_(tickMode) {}

  TTickMode TickMode() const { return tickMode_; }
  // The ticks attached to line `index`.
  int32_t Ticks(int index) const;

  // Replaces the lines by those of `section`, drops empty ones, and attaches to each the part
  // before its first unescaped space as an integer (turns), or the part after it as a duration
  // (real time). A line without such a space has an empty first part and is all second part.
  // Fails with "Couldn't load level ticks from [%s] because %s wasn't a number." (EConvertError).
  void LoadFrom(const TCustomIniFileW& ini, const WideString& section);

 private:
  int32_t ParseLine(const WideString& section, const WideString& line) const;

  TTickMode tickMode_;
};
