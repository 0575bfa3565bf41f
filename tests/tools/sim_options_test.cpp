#include "sim/sim_options.h"

#include <gtest/gtest.h>

namespace {

std::string UsageErrorOf(const std::vector<std::string>& args) {
  try {
    ParseSimOptions(args);
  } catch (const TSimUsageError& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(SimOptionsTest, DefaultsAndValues) {
  const TSimOptions defaults = ParseSimOptions({});
  EXPECT_EQ(defaults.DataDir, "Data");
  EXPECT_EQ(defaults.MapName, "maps\\genesis");
  EXPECT_EQ(defaults.Mode, tmTurn);
  EXPECT_EQ(defaults.Ticks, 100);
  EXPECT_EQ(defaults.Seed, 1u);

  const TSimOptions options =
      ParseSimOptions({"--data", "d", "--map", "maps\\maze", "--mode", "realtime", "--ticks", "0",
                       "--seed", "4294967295", "--script", "s.txt", "--render", "b.png"});
  EXPECT_EQ(options.DataDir, "d");
  EXPECT_EQ(options.MapName, "maps\\maze");
  EXPECT_EQ(options.Mode, tmRealTime);
  EXPECT_EQ(options.Ticks, 0);
  EXPECT_EQ(options.Seed, 4294967295u);
  EXPECT_EQ(options.ScriptFile, "s.txt");
  EXPECT_EQ(options.RenderFile, "b.png");
  EXPECT_TRUE(ParseSimOptions({"--help"}).Help);
}

TEST(SimOptionsTest, BadUsage) {
  EXPECT_EQ(UsageErrorOf({"--bogus", "1"}), "unknown argument --bogus");
  EXPECT_EQ(UsageErrorOf({"Data"}), "unknown argument Data");
  EXPECT_EQ(UsageErrorOf({"--ticks"}), "--ticks needs a value");
  EXPECT_EQ(UsageErrorOf({"--ticks", "-1"}),
            "--ticks needs a whole number from 0 to 10000000, not \"-1\"");
  EXPECT_EQ(UsageErrorOf({"--seed", "4294967296"}),
            "--seed needs a whole number from 0 to 4294967295, not \"4294967296\"");
  EXPECT_EQ(UsageErrorOf({"--mode", "fast"}), "--mode is turn or realtime, not \"fast\"");
}

}  // namespace
