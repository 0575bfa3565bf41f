#include "sim/sim_options.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>
#include <string_view>

namespace {

constexpr std::string_view kValueOptions[] = {"--data", "--map",    "--mode",  "--ticks",
                                              "--seed", "--script", "--render"};

// A whole number from `min` to `max` written in decimal, nothing else.
int64_t ParseNumber(const std::string& option, const std::string& text, int64_t min, int64_t max) {
  int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < min || value > max)
    throw TSimUsageError(option + " needs a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", not \"" + text + "\"");
  return value;
}

TTickMode ParseMode(const std::string& text) {
  if (text == "turn") return tmTurn;
  if (text == "realtime") return tmRealTime;
  throw TSimUsageError("--mode is turn or realtime, not \"" + text + "\"");
}

}  // namespace

const char* const kSimUsage =
    "usage: sorrelwind-sim [--data DIR] [--map NAME] [--mode turn|realtime] [--ticks N]\n"
    "                      [--seed N] [--script FILE] [--render FILE.png]\n"
    "  --data DIR       the data folder (Data)\n"
    "  --map NAME       the map file's item name without .ini (maps\\genesis)\n"
    "  --mode MODE      the tick mode, turn or realtime (turn); both are ticked without waiting\n"
    "  --ticks N        how many ticks to deliver (100)\n"
    "  --seed N         the seed of the game's random draws (1)\n"
    "  --script FILE    actions to take at given ticks, one a line:\n"
    "                     TICK fire X:Y [ABILITY]   fire an ability of the flower (else weed)\n"
    "                     TICK pick X:Y             click the cell the firing ability waits for\n"
    "                     TICK cancel X:Y [ABILITY] cancel the firing ability of the object\n"
    "                     TICK pause | TICK resume\n"
    "                   an action runs once TICK ticks were delivered (0: right after the start),\n"
    "                   in file order within a tick; # starts a comment\n"
    "  --render FILE    paint the board at the end into a PNG file\n";

TSimOptions ParseSimOptions(const std::vector<std::string>& args) {
  TSimOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--help" || option == "-h") {
      options.Help = true;
      continue;
    }
    if (std::find(std::begin(kValueOptions), std::end(kValueOptions), option) ==
        std::end(kValueOptions))
      throw TSimUsageError("unknown argument " + option);
    if (i + 1 >= args.size()) throw TSimUsageError(option + " needs a value");
    const std::string& value = args[++i];
    if (option == "--data")
      options.DataDir = value;
    else if (option == "--map")
      options.MapName = value;
    else if (option == "--mode")
      options.Mode = ParseMode(value);
    else if (option == "--ticks")
      options.Ticks = static_cast<int32_t>(ParseNumber(option, value, 0, 10'000'000));
    else if (option == "--seed")
      options.Seed = static_cast<uint32_t>(
          ParseNumber(option, value, 0, std::numeric_limits<uint32_t>::max()));
    else if (option == "--script")
      options.ScriptFile = value;
    else
      options.RenderFile = value;
  }
  return options;
}
