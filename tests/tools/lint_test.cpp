#include "lint/lint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "base/utf8.h"
#include "tools/tiny_garden.h"

namespace {

using Lines = std::vector<std::string>;

class LintTest : public TinyGardenTest {
 protected:
  Lines Problems() {
    Lines lines;
    for (const WideString& line : RunLint(Folder()).Lines()) lines.push_back(Utf8Encode(line));
    return lines;
  }
  void Remove(const std::string& relative) { std::filesystem::remove(folder.PathOf(relative)); }
  void Rename(const std::string& from, const std::string& to) {
    std::filesystem::rename(folder.PathOf(from), folder.PathOf(to));
  }
};

TEST_F(LintTest, TinyGardenIsClean) { EXPECT_EQ(Problems(), Lines{}); }

TEST_F(LintTest, ReportsMissingDataFiles) {
  const std::vector<WideString> nowhere = RunLint(folder.PathOf("nowhere\xFF")).Lines();
  ASSERT_EQ(nowhere.size(), 1u);
  EXPECT_EQ(Utf8Encode(nowhere[0]),
            folder.PathOf("nowhere\\xFF") + ": there is no such data folder");
  for (const char* file : {"objects.ini", "abilities.ini", "lang.ini", "maps/genesis.ini"})
    Remove(file);
  EXPECT_EQ(Problems(), (Lines{
                            "objects.ini: missing: every object and ability is read from it",
                            "abilities.ini: missing: every object and ability is read from it",
                            "lang.ini: missing: every text of the game is read from it",
                            "maps\\genesis.ini: missing: the main window loads this map",
                        }));
}

TEST_F(LintTest, ReportsTheShapeOfMaps) {
  folder.WriteFile("maps/genesis.ini",
                   "[General]\nWidth=3\nHeight=2\n"
                   "[Tiles]\nY0=soil,,clay\nY1=soil,soil\nY2=soil,soil,soil\nrow=soil\n"
                   "[Objects of Player1]\n0:1=bloomer\n3:0=bloomer\n1-1=melly\n0:x=melly\n"
                   "[Objects of Bob]\n1:1=melly\n");
  folder.WriteFile("maps/bad size.ini", "[General]\nWidth=0\nHeight=two\n");
  EXPECT_EQ(
      Problems(),
      (Lines{
          "maps\\bad size.ini [General] Width: Map width must be at least 1 - but 0 was given.",
          "maps\\bad size.ini [General] Height: \"two\" is not a number: the map becomes 10 high",
          "maps\\genesis.ini [Tiles] Y0: tile 1 is empty: a plain cell without terrain, which "
          "has no text",
          "maps\\genesis.ini [Tiles] Y1: wrong number of tiles (3 expected, 2 given)",
          "maps\\genesis.ini [Tiles] Y2: not a row of the map, which is 2 high: never read",
          "maps\\genesis.ini [Tiles] row: not a row of the map, which is 2 high: never read",
          "maps\\genesis.ini [Objects of Player1] 3:0: LoadPlayerObjects failed because line "
          "\"3:0=bloomer\" places an object outside the 3 x 2 grid.",
          "maps\\genesis.ini [Objects of Player1] 1-1: LoadPlayerObjects failed because "
          "coordinates format of line \"1-1=melly\" was wrong - \"X:Y\" expected, \"1-1\" got.",
          "maps\\genesis.ini [Objects of Player1] 0:x: LoadPlayerObjects failed because "
          "coordinates format of line \"0:x=melly\" was wrong - \"X:Y\" expected, \"0:x\" got.",
          "maps\\genesis.ini [Objects of Bob]: \"Bob\" is not a player of the main window: its "
          "objects cannot be made",
          "lang.ini [Strings] player: Bob: missing; used by maps\\genesis.ini [Objects of Bob]",
      }));
}

// A seed's flower is checked after the objects placed, with the line that placed the seed.
TEST_F(LintTest, ReportsKindsThatDoNotResolve) {
  folder.WriteFile("maps/genesis.ini",
                   "[General]\nWidth=3\nHeight=2\n[Tiles]\nY0=soil,soil,clay\nY1=soil,soil,soil\n"
                   "[Objects of Player1]\n0:1=bloomer\n1:1=seed\n2:1=seed,blomer\n"
                   "[Objects of Gaia]\n2:0=wed\n");
  folder.WriteFile("objects.ini", folder.ReadFile("objects.ini") +
                                      "[bloomer abilities at 2]\n"
                                      "seed,bloomer=autocast\n"
                                      "sede,bloomer\n"
                                      "seed\n"
                                      "seed,melly,big=uncharged, sometimes\n"
                                      "[melly abilities at 0]\n");
  EXPECT_EQ(
      Problems(),
      (Lines{
          "maps\\genesis.ini [Objects of Player1] 1:1: a seed needs the flower it grows into: "
          "\"seed,<flower>\"",
          "maps\\genesis.ini [Objects of Gaia] 2:0: CreateFrom(wed) failed because type wed is "
          "unknown.",
          "maps\\genesis.ini [Objects of Player1] 2:1: CreateFrom(blomer) failed because type "
          "blomer is unknown.",
          "objects.ini [melly abilities at 0]: never read: objects look for \"<name> abilities at "
          "<level>\", the level a number from 1",
          "objects.ini [bloomer abilities at 2] seed,bloomer: autocast has no effect: "
          "TSWAbility_Seed cannot auto-cast",
          "objects.ini [bloomer abilities at 2] sede,bloomer: CreateFrom(sede,bloomer) failed "
          "because type sede is unknown.",
          "objects.ini [bloomer abilities at 2] seed: Seed ability needs at least 2 parameters.",
          "objects.ini [bloomer abilities at 2] seed,melly,big: unknown flags \"uncharged, "
          "sometimes\": the game knows autocast and uncharged",
      }));
}

// Each mode is tried, and every bad line of a levels section is reported, also where a map
// overrides objects.ini.
TEST_F(LintTest, ReportsValuesThatDoNotParse) {
  folder.WriteFile("objects.ini",
                   "[bloomer]\nHP=ten\n[bloomer levels]\n3 1m\n4\nx 2m\n5 3q\n"
                   "[bloomer abilities at 1]\nseed,bloomer\nvegetate,bloomer\nspread,melly\n"
                   "[melly]\nManaPerTick=2\n[seed growth]\nbloomer=fast\n*=1\n");
  folder.WriteFile("abilities.ini", "[seed]\ncooldown=2 x-40\n[spread]\ncooldown=1m-2m 30-20\n");
  folder.WriteFile("lang.ini",
                   folder.ReadFile("lang.ini") + "ability: vegetate=V\nability: spread=S\n");
  for (const char* icon : {"vegetate 16", "vegetate 32", "spread 16"})
    WriteImage(std::string("images/abilities/") + icon + ".png", 16, 16);
  folder.WriteFile("maps/genesis.ini", folder.ReadFile("maps/genesis.ini") +
                                           "[melly levels]\n2 30\n1m\n[vegetate]\ncooldown=3\n");
  EXPECT_EQ(
      Problems(),
      (Lines{
          "objects.ini [bloomer levels] 4: in turn mode: Couldn't load level ticks from "
          "[bloomer levels] because 4 wasn't a number.",
          "objects.ini [bloomer levels] x 2m: in turn mode: Couldn't load level ticks from "
          "[bloomer levels] because x 2m wasn't a number.",
          "objects.ini [bloomer levels] 5 3q: in real time: Couldn't load level ticks from "
          "[bloomer levels] because 5 3q wasn't a number.",
          "maps\\genesis.ini [melly levels] 1m: in turn mode: Couldn't load level ticks from "
          "[melly levels] because 1m wasn't a number.",
          "abilities.ini [seed] cooldown: in real time: Ability cooldown for [seed] must be a "
          "number or a range (e.g. 1m-5m) but \"x-40\" was given.",
          "maps\\genesis.ini [vegetate] cooldown: in real time: ReadStrFrom failed - index 1 was "
          "not found in value \"3\" of [vegetate].",
          "abilities.ini [spread] cooldown: in real time: Ability cooldown for [spread] must be a "
          "number or a range (e.g. 1m-5m) but \"30-20\" was given.",
          "objects.ini [bloomer abilities at 1] spread,melly: at level 0: Couldn't find string "
          "property damage distance of [spread] defined in any config file.",
          "objects.ini [bloomer abilities at 1] spread,melly: at level 0: Couldn't find string "
          "property damage of [spread] defined in any config file.",
          "objects.ini [bloomer] HP: Property HP of [bloomer] must be a number - but ten was "
          "given.",
          "objects.ini [melly] ManaPerTick: in real time: ReadStrFrom failed - index 1 was not "
          "found in value \"2\" of [melly].",
          "objects.ini [seed growth] bloomer: Property from [seed growth] must be a number - but "
          "fast was given.",
      }));
}

// Values that parse but that the game would trip over: too few per-level values, values below
// what they may be, levels of no ticks, results beyond 32 bits.
TEST_F(LintTest, ReportsNumbersTheGameWouldTripOver) {
  folder.WriteFile("objects.ini",
                   "[bloomer]\nHP=-5\n[bloomer levels]\n3 1m\n0 0\n"
                   "[bloomer abilities at 1]\nseed,bloomer\n[bloomer abilities at 2]\nseed,melly\n"
                   "[melly]\nHP=8\nManaPerTick=2147483647 -3\n[weed]\nHP=1000\n"
                   "[weed abilities at 1]\nspread,weed=autocast\n"
                   "[seed growth]\nbloomer=0\n*=1\n[seed soil req]\n*=soil, clay\n"
                   "[Soil bonuses]\nsoil=ten\nclay=2147483647\n*=-1\n");
  folder.WriteFile("abilities.ini",
                   "[seed]\ncooldown=$80000000-$7FFFFFFF 20-40\n"
                   "[seed distances]\nbloomer=1 1\nmelly=1 1 -2\n[seed mana req]\n*=3\n"
                   "[spread]\ncooldown=1 1\ndamage=-2\n");
  folder.WriteFile("lang.ini", folder.ReadFile("lang.ini") + "ability: spread=S\n");
  WriteImage("images/abilities/spread 16.png", 16, 16);
  folder.WriteFile("maps/genesis.ini",
                   "[General]\nWidth=3\nHeight=2\n[Tiles]\nY0=soil,soil,clay\nY1=soil,soil,soil\n"
                   "[Objects of Player1]\n0:1=bloomer\n1:1=melly\n1:0=melly\n"
                   "[Objects of Gaia]\n2:0=weed\n");
  EXPECT_EQ(
      Problems(),
      (Lines{
          "objects.ini [bloomer levels] 0 0: in turn mode: 0 ticks, below 1: the level passes at "
          "the next tick",
          "objects.ini [bloomer levels] 0 0: in real time: 0 ticks, below 1: the level passes at "
          "the next tick",
          "abilities.ini [seed] cooldown: in turn mode: Ability cooldown for [seed] must be a "
          "number or a range (e.g. 1m-5m) but \"$80000000-$7FFFFFFF\" was given.",
          "objects.ini [bloomer abilities at 2] seed,melly: at level 2: [seed distances] is -2, "
          "below 0: the ability reaches no cell",
          "objects.ini [bloomer abilities at 2] seed,melly: at level 1: ReadStrFrom failed - index "
          "1 was not found in value \"3\" of [seed mana req].",
          "objects.ini [weed abilities at 1] spread,weed: at level 0: Couldn't find string "
          "property damage distance of [spread] defined in any config file.",
          "objects.ini [weed abilities at 1] spread,weed: at level 0: the damage is -2, below 0: "
          "it heals what it hits",
          "objects.ini [bloomer] HP: is -5, below 1: the object lives without hit points until the "
          "first hit kills it",
          "objects.ini [melly] ManaPerTick: in real time: is -3, below 0: the game reads it as 0",
          "objects.ini [seed growth] bloomer: is 0, below 1: its seeds never sprout",
          "objects.ini [Soil bonuses] soil: Property from [Soil bonuses] must be a number - but "
          "ten was given.",
          "objects.ini [Soil bonuses] clay: 2147483647 % takes weed (HP 1000) to 21474837000 hit "
          "points, beyond what they hold: it gets 2147483647",
          "maps\\genesis.ini [Objects of Player1]: in turn mode: the mana per tick of its Melly "
          "flowers adds up to 4294967294, beyond what 32 bits hold: the player gets 2147483647",
      }));
}

TEST_F(LintTest, ReportsMissingTextsAndImagesOncePerName) {
  folder.WriteFile("lang.ini",
                   "[Strings]\nflower: bloomer=B\nflower: weed=W\nflower: seed=S\ncell: soil=Soil\n"
                   "player: Gaia=Gaia\nflower: puddle=P\n");
  folder.WriteFile(
      "maps/genesis.ini",
      "[General]\nWidth=3\nHeight=2\nIntro=maps\\tiny intro.txt\nBkImage=images\\back.png\n"
      "[Tiles]\nY0=soil,soil,clay\nY1=null,soil,Clay\n"
      "[Objects of Player1]\n0:1=bloomer\n1:1=melly\n"
      "[Objects of Gaia]\n2:0=weed\n1:0=puddle,deep\n2:1=weed\n");
  folder.WriteFile("images/back.png", "not a picture");
  for (const char* image : {"objects/weed", "abilities/seed 16", "soil clay", "cell border over"})
    Remove(std::string("images/") + image + ".png");
  EXPECT_EQ(
      Problems(),
      (Lines{
          "lang.ini [Strings] flower: melly: missing; used by maps\\genesis.ini [Objects of "
          "Player1] 1:1",
          "lang.ini [Strings] ability: seed: missing; used by objects.ini [bloomer abilities at 1] "
          "seed,bloomer",
          "lang.ini [Strings] cell: clay: missing; used by maps\\genesis.ini [Tiles] Y0",
          "lang.ini [Strings] cell: null: missing; used by maps\\genesis.ini [Tiles] Y1",
          "lang.ini [Strings] player: Player1: missing; used by the main window",
          "images\\objects\\weed.png: missing; used by maps\\genesis.ini [Objects of Gaia] 2:0",
          "images\\objects\\puddle deep.png: missing; used by maps\\genesis.ini [Objects of Gaia] "
          "1:0",
          "objects.ini [bloomer abilities at 1] seed,bloomer: the 16-pixel icon cannot be drawn: "
          "TSWFolderPackage.Data could not retrieve data with name images\\abilities/seed 16.png.",
          "images\\cell border over.png: missing; used by every board",
          "images\\soil clay.png: missing; used by maps\\genesis.ini [Tiles] Y0",
          "images\\cell null.png: missing; used by maps\\genesis.ini [Tiles] Y1",
          "maps\\genesis.ini [General] Intro: \"maps\\tiny intro.txt\" is missing: the map shows "
          "no introduction",
          "maps\\genesis.ini [General] BkImage: images\\back.png: Not a PNG file",
      }));
}

// The game finds these files all the same; the data should still name them as they are on disk.
TEST_F(LintTest, WarnsOfItemNamesThatMatchTheirFileOnlyByLetterCase) {
  Rename("images/objects/weed.png", "images/objects/Weed.png");
  Rename("images/abilities", "images/Abilities");
  Rename("lang.ini", "LANG.INI");
  const std::string folderName = Folder() + "/";
  EXPECT_EQ(Problems(), (Lines{
                            "images\\abilities/seed 16.png: matches the file \"" + folderName +
                                "images/Abilities/seed 16.png\" only by ignoring letter case",
                            "images\\objects\\weed.png: matches the file \"" + folderName +
                                "images/objects/Weed.png\" only by ignoring letter case",
                            "lang.ini: matches the file \"" + folderName +
                                "LANG.INI\" only by ignoring letter case",
                        }));
}

// Without a language file there is nothing to look texts up in; every other check still runs.
// Text the game cannot decode reads as empty; the checker says so, names the byte, and checks on.
TEST_F(LintTest, ReportsUndecodableFilesAndNamesAndItemsOutsideTheFolder) {
  folder.WriteFile("abilities.ini", folder.ReadFile("abilities.ini") + "; caf\xE9\n");
  folder.WriteFile("maps/caf\xE9.ini", "[General]\nName=Unreachable\n");
  folder.WriteFile("maps/empty.ini", "");
  std::string genesis = folder.ReadFile("maps/genesis.ini");
  genesis.insert(genesis.find("[General]\n") + 10, "BkImage=..\\..\\etc\\passwd\n");
  folder.WriteFile("maps/genesis.ini", genesis);
  const Lines problems = Problems();
  const std::string abilities = folder.ReadFile("abilities.ini");
  const std::string abilityLines =
      std::to_string(std::count(abilities.begin(), abilities.end(), '\n'));
  for (const std::string& line :
       {"abilities.ini: not UTF-8 text (byte E9 at line " + abilityLines +
            "): the game reads no section from it and refuses to start",
        std::string("maps\\empty.ini: empty: the game reads no section from it and refuses to "
                    "start"),
        std::string("maps\\caf\\xE9.ini: the file name is not UTF-8 text: no map name reaches it"),
        std::string("maps\\genesis.ini [General] BkImage: \"..\\..\\etc\\passwd\" leaves the "
                    "data folder: the game does not read it")})
    EXPECT_NE(std::find(problems.begin(), problems.end(), line), problems.end())
        << line << "\n in:\n"
        << testing::PrintToString(problems);
}

TEST_F(LintTest, KeepsGoingAfterEachProblem) {
  Remove("lang.ini");
  folder.WriteFile("maps/genesis.ini",
                   folder.ReadFile("maps/genesis.ini") + "[Objects of Gaia]\n0:0=wed\n");
  folder.WriteFile("objects.ini", folder.ReadFile("objects.ini") + "[melly levels]\nsoon\n");
  EXPECT_EQ(Problems(),
            (Lines{
                "lang.ini: missing: every text of the game is read from it",
                "maps\\genesis.ini [Objects of Gaia] 0:0: CreateFrom(wed) failed because type "
                "wed is unknown.",
                "objects.ini [melly levels] soon: in turn mode: Couldn't load level ticks "
                "from [melly levels] because soon wasn't a number.",
                "objects.ini [melly levels] soon: in real time: Couldn't load level ticks "
                "from [melly levels] because soon wasn't a number.",
            }));
}

}  // namespace
