#pragma once
// The actions a script takes during a headless run, one a line: "TICK fire X:Y [ABILITY]",
// "TICK pick X:Y", "TICK cancel X:Y [ABILITY]", "TICK pause", "TICK resume". An action runs once
// TICK ticks were delivered (0: right after the start); "#" starts a comment.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/errors.h"

enum class TSimActionKind { Fire, Pick, Cancel, Pause, Resume };

struct TSimAction {
  std::string File;
  int Line = 0;
  int32_t Tick = 0;
  TSimActionKind Kind = TSimActionKind::Pause;
  // The cell of fire, pick and cancel.
  int X = 0;
  int Y = 0;
  // The ability link of fire and cancel; cancel without one takes the first that is firing.
  std::optional<int> Ability;

  // Fire, pick and cancel act on a cell.
  bool NamesCell() const;
  // "FILE:LINE".
  std::string Where() const { return File + ":" + std::to_string(Line); }
  // The action as a script would write it, without the tick: "fire 3:4 0".
  std::string Text() const;
};

// A script line that does not parse: "FILE:LINE: what is wrong".
class ESimScriptError : public Exception {
 public:
  using Exception::Exception;
};

// The actions of `text` in file order. `file` names the script in messages.
std::vector<TSimAction> ParseSimScript(const std::string& text, const std::string& file);
// ParseSimScript of the file's content; fails when it cannot be read.
std::vector<TSimAction> LoadSimScript(const std::string& file);
