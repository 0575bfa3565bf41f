#pragma once
// The command line of the headless runner.
#include <cstdint>
#include <string>
#include <vector>

#include "config/tick_mode.h"

struct TSimOptions {
  std::string DataDir = "Data";
  std::string MapName = "maps\\genesis";
  TTickMode Mode = tmTurn;
  int32_t Ticks = 100;
  uint32_t Seed = 1;
  std::string ScriptFile;  // empty: no script
  std::string RenderFile;  // empty: no picture
  bool Help = false;
};

// The options of `args` (without the program name). Fails with a TSimUsageError naming the
// offending argument.
TSimOptions ParseSimOptions(const std::vector<std::string>& args);

class TSimUsageError : public std::exception {
 public:
  explicit TSimUsageError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// How to call the runner, one option a line.
extern const char* const kSimUsage;
