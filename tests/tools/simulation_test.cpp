#include "sim/simulation.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "base/errors.h"
#include "base/utf8.h"
#include "platform/file_stream.h"
#include "platform/png_image.h"
#include "tools/tiny_garden.h"

namespace {

class SimulationTest : public TinyGardenTest {
 protected:
  SimulationTest() {
    options.DataDir = Folder();
    options.ScriptFile = folder.PathOf("script.txt");
  }

  std::string Run(const std::string& script) {
    folder.WriteFile("script.txt", script);
    std::ostringstream out;
    RunSimulation(options, out);
    return out.str();
  }

  // The message of the run's failure.
  std::string FailureOf(const std::string& script) {
    try {
      Run(script);
    } catch (const Exception& error) {
      return error.what();
    }
    return "(no failure)";
  }

  TSimOptions options;
};

// The bloomer at 0:1 plants a bloomer once the melly's mana pays for it; the seed grows and
// sprouts. Refusals (no mana, a rejected cell, recharging, nothing to pick for) are printed and
// the run goes on; the tick paused for is not delivered.
TEST_F(SimulationTest, PlaysAScriptInTurnMode) {
  options.Ticks = 8;
  EXPECT_EQ(Run("# too early: no mana yet\n"
                "0 fire 0:1\n"
                "2 fire 0:1\n"
                "2 pick 1:1   # the melly stands there\n"
                "2 pick 0:0\n"
                "3 fire 0:1\n"
                "4 pause\n"
                "5 resume\n"
                "6 fire 0:1 0\n"
                "6 cancel 0:1\n"
                "7 pick 1:0\n"),
            "[0] game start: Tiny\n"
            "[0] > fire 0:1\n"
            "[0] fire: seed,bloomer of bloomer at 0:1 (Player1)\n"
            "[0] error: This flower requires 3 mana but you had 0.\n"
            "[2] > fire 0:1\n"
            "[2] fire: seed,bloomer of bloomer at 0:1 (Player1)\n"
            "[2] > pick 1:1\n"
            "[2] error: 1:1 cannot be picked\n"
            "[2] > pick 0:0\n"
            "[2] slot delete: empty slot at 0:0\n"
            "[2] slot add: seed,bloomer at 0:0 (Player1)\n"
            "[3] flower level up: bloomer at 0:1 (Player1) to level 1\n"
            "[3] slot level up: bloomer at 0:1 (Player1)\n"
            "[3] > fire 0:1\n"
            "[3] fire: seed,bloomer of bloomer at 0:1 (Player1)\n"
            "[3] error: TSWAbility_Seed is recharching and cannot be fired.\n"
            "[4] > pause\n"
            "[4] > resume\n"
            "[5] flower level up: seed,bloomer at 0:0 (Player1) to level 1\n"
            "[5] slot level up: seed,bloomer at 0:0 (Player1)\n"
            "[5] flower grown: bloomer at 0:0 (Player1)\n"
            "[5] slot delete: seed,bloomer at 0:0 (Player1)\n"
            "[5] slot add: bloomer at 0:0 (Player1)\n"
            "[5] > fire 0:1 0\n"
            "[5] fire: seed,bloomer of bloomer at 0:1 (Player1)\n"
            "[5] > cancel 0:1\n"
            "[5] cancel: seed,bloomer of bloomer at 0:1 (Player1)\n"
            "[6] > pick 1:0\n"
            "[6] error: no ability is waiting for a cell to be picked\n"
            "player Gaia mana=0 perTick=0 insight=1\n"
            "player Player1 mana=8 perTick=2 insight=1\n"
            "0:0 flower bloomer Player1 10/10 level 0\n"
            "  ability 0 seed,bloomer recharge=0/1\n"
            "2:0 weed weed Gaia 5/5 level 0\n"
            "0:1 flower bloomer Player1 10/10 level 1\n"
            "  ability 0 seed,bloomer recharge=0/2\n"
            "1:1 flower melly Player1 8/8 level 0\n");
}

// Real-time ticks are delivered without waiting (a level of "1m" takes 60 of them), and the
// cooldown range "20-40" is drawn from the seeded random source, so a run repeats itself.
TEST_F(SimulationTest, RealTimeRunsRepeatWithTheirSeed) {
  options.Mode = tmRealTime;
  options.Ticks = 61;
  options.Seed = 7;
  const std::string script = "0 fire 1:1\n50 fire 0:1\n50 pick 1:0\n";
  const std::string run = Run(script);
  EXPECT_EQ(Run(script), run);
  EXPECT_NE(run.find("[0] error: melly at 1:1 (Player1) has no ability 0 (it has 0)\n"),
            std::string::npos)
      << run;
  EXPECT_NE(run.find("[50] slot add: seed,bloomer at 1:0 (Player1)\n"), std::string::npos) << run;
  EXPECT_NE(run.find("[60] flower level up: bloomer at 0:1 (Player1) to level 1\n"),
            std::string::npos)
      << run;
  const size_t recharge = run.find("recharge=", run.find("0:1 flower bloomer"));
  int left = 0;
  int total = 0;
  ASSERT_EQ(std::sscanf(run.c_str() + recharge, "recharge=%d/%d", &left, &total), 2) << run;
  EXPECT_GE(total, 20);
  EXPECT_LT(total, 40);
  EXPECT_EQ(left, total - 11);
}

TEST_F(SimulationTest, ScriptMistakesNameFileAndLine) {
  const std::string file = folder.PathOf("script.txt");
  EXPECT_EQ(FailureOf("# fine\n0 pause\n0 fier 1:1\n"),
            file + ":3: \"fier\" is not an action (fire, pick, cancel, pause, resume)");
  EXPECT_EQ(FailureOf("0 fire 1-1\n"), file + ":1: \"1-1\" is not a cell X:Y");
  EXPECT_EQ(FailureOf("x pause\n"), file + ":1: \"x\" is not a tick number");
  EXPECT_EQ(FailureOf("0 pause now\n"), file + ":1: unexpected \"now\"");
  EXPECT_EQ(FailureOf("0 pick\n"), file + ":1: pick needs a cell X:Y");
  options.Ticks = 5;
  EXPECT_EQ(FailureOf("6 pause\n"), file + ":1: tick 6 comes after the last tick (5).");
  EXPECT_EQ(FailureOf("0 pause\n1 fire 3:1\n"), file + ":2: 3:1 is outside the 3 x 2 map.");
}

TEST_F(SimulationTest, EngineFailuresStopTheRun) {
  folder.WriteFile("maps/genesis.ini", "[General]\nWidth=2\nHeight=1\n[Tiles]\nY0=soil\n");
  EXPECT_EQ(FailureOf(""),
            "maps\\genesis.ini [Tiles] Y0: TSWMapCells.LoadFrom failed - Y0 line had wrong number "
            "of tiles (2 expected, 1 given).");
}

// What the runner is pointed at may be anything: its messages say what is wrong with it and
// carry no raw bytes.
TEST_F(SimulationTest, ScriptsAndDataFoldersThatCannotBeUsedAreNamed) {
  folder.WriteFile("utf16.txt", std::string("\xFF\xFE"
                                            "5\0 \0p\0a\0u\0s\0e\0\n\0",
                                            18));
  options.ScriptFile = folder.PathOf("utf16.txt");
  EXPECT_EQ(FailureOf(""),
            folder.PathOf("utf16.txt") + ":1: the script is not UTF-8 text (byte FF at line 1)");
  options.ScriptFile = folder.PathOf("maps");
  EXPECT_EQ(FailureOf(""), "cannot read the script " + folder.PathOf("maps") +
                               ": TFileStreamW: Cannot open file \"" + folder.PathOf("maps") +
                               "\". Is a directory");
  options.ScriptFile = folder.PathOf("script.txt");
  EXPECT_EQ(FailureOf("x\x01\x1B pause\n"),
            folder.PathOf("script.txt") + ":1: \"x\\x01\\x1B\" is not a tick number");
  options.DataDir = folder.PathOf("nowhere");
  EXPECT_EQ(FailureOf("0 pause\n"),
            "There is no such data folder: \"" + folder.PathOf("nowhere") + "\".");
}

// The picture has the click map's size: the background around the board, the cell images on it.
TEST_F(SimulationTest, RendersTheBoard) {
  options.Ticks = 0;
  options.RenderFile = folder.PathOf("board.png");
  Run("");
  TPngImage picture;
  TFileStreamW file(Utf8Decode(options.RenderFile), TFileMode::OpenRead);
  picture.LoadFromStream(file);
  // Three columns 78 apart, two rows shifted 42, the hit band and the margins.
  EXPECT_EQ(picture.Width(), 2 * 78 + 42 + 114 + 2 * 25);
  EXPECT_EQ(picture.Height(), 2 * 19 + 2 * 25);
  EXPECT_EQ(picture.Pixel(0, 0), (TRgba{0x8C, 0xB8, 0xE0, 255}));
  // Cell 1:0 is empty and lies at (25 + 78 + 42, 25).
  EXPECT_EQ(picture.Pixel(25 + 78 + 42 + 1, 26), (TRgba{90, 140, 60, 255}));
}

}  // namespace
