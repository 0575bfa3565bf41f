// The shipped language file holds every text the program asks for: the fixed texts of the
// windows, the log and the panels, and the name of every kind the game can make. The names of
// what the shipped data files use are the data checker's to check (tests/tools).
#include <gtest/gtest.h>

#include <vector>

#include "base/errors.h"
#include "config/config_store.h"
#include "config/folder_package.h"
#include "config/no_value.h"
#include "data_package/shipped_data.h"

namespace {

// Texts read under a fixed name.
const char16_t* const kFixedTexts[] = {
    // window captions
    u"cell info form: caption",
    u"debug form: caption",
    // event log, and the reason a seed dies of
    u"event: game start",
    u"event: flower grown",
    u"event: flower level up",
    u"event: flower died",
    u"event: flower died (reason)",
    u"event: path removed",
    u"rip: bad soil for seed",
    // cell info window
    u"coords",
    u"cell info frame: HP",
    u"cell info frame: mana",
    u"cell HP",
    u"cell mana",
    u"level gain: 1",
    u"level gain: 2",
    u"level gain: more",
    u"level gain: max",
    // ability buttons
    u"autocast tip",
};

// Texts that speak of time: read with " (turn)" or " (sec)" after the tick mode.
const char16_t* const kTimeTexts[] = {u"cell mana"};

// Texts that are formats, with arguments of the kinds the program passes.
struct TFormatCase {
  const char16_t* Name;
  std::vector<TVarRec> Args;
  std::vector<WideString> Shown;  // the arguments' texts, each of which the result must show
};

const std::vector<TFormatCase>& FormatCases() {
  static const std::vector<TFormatCase> cases = {
      {u"coords", {3, 7}, {u"3", u"7"}},
      {u"cell HP", {57}, {u"57"}},
      {u"cell mana", {1234}, {u"1234"}},
      {u"cell mana (turn)", {5, 12}, {u"5", u"12"}},
      {u"cell mana (sec)", {1, 3}, {u"1", u"3"}},
      {u"event: flower grown", {WideString(u"Bloomer")}, {u"Bloomer"}},
      {u"event: flower level up", {WideString(u"Melly"), 4}, {u"Melly", u"4"}},
      {u"event: flower died", {WideString(u"Weed")}, {u"Weed"}},
      {u"event: flower died (reason)",
       {WideString(u"Seed"), WideString(u"too dry")},
       {u"Seed", u"too dry"}},
  };
  return cases;
}

// The kinds the game can create; each may show up in a panel or a log line.
const char16_t* const kObjectKinds[] = {u"bean",  u"bloomer", u"fence",      u"light",
                                        u"melly", u"oracle",  u"path",       u"puddle",
                                        u"seed",  u"shadow",  u"vegbloomer", u"weed"};
const char16_t* const kAbilityKinds[] = {u"seed", u"vegetate", u"spread", u"removepath"};
// The soil kinds, and a cell's terrain before a map file names it.
const char16_t* const kTerrains[] = {u"null", u"soil", u"clay", u"loamy", u"fertile", u"terrain"};

class ShippedLanguageTest : public testing::Test {
 protected:
  ShippedLanguageTest() {
    package.SetPath(ShippedDataPath());
    config.SetPackage(&package);
  }

  bool Has(const WideString& name) {
    return config.LangStrings().ReadString(u"Strings", name, NoValue) != NoValue;
  }

  // The names among `names` whose text is missing, each after `prefix`.
  template <class Names>
  std::vector<std::string> MissingWith(const WideString& prefix, const Names& names) {
    std::vector<std::string> missing;
    for (const auto& name : names)
      if (!Has(prefix + name)) missing.push_back(Narrow(prefix + name));
    return missing;
  }

  TSWFolderPackage package;
  TSWConfig config;
};

TEST_F(ShippedLanguageTest, HoldsEveryFixedTextAndBothTickModeVariants) {
  std::vector<std::string> missing = MissingWith(u"", kFixedTexts);
  for (const WideString suffix : {u" (turn)", u" (sec)"})
    for (const WideString name : kTimeTexts)
      if (!Has(name + suffix)) missing.push_back(Narrow(name + suffix));
  EXPECT_EQ(missing, std::vector<std::string>());
}

TEST_F(ShippedLanguageTest, FormatsShowEveryArgumentThePanelsAndTheLogPass) {
  for (const TFormatCase& format : FormatCases()) {
    SCOPED_TRACE(Narrow(format.Name));
    WideString text;
    try {
      text = config.LangFmt(format.Name, format.Args);
    } catch (const Exception& error) {
      ADD_FAILURE() << error.what();
      continue;
    }
    for (const WideString& shown : format.Shown)
      EXPECT_NE(text.find(shown), WideString::npos) << Narrow(text) << " lacks " << Narrow(shown);
  }
}

// The log shows "event: game start" and "event: path removed" as they stand, and names and
// captions are never formatted: a "%" there would show up raw.
TEST_F(ShippedLanguageTest, TextsShownAsTheyStandHoldNoFormatDirectives) {
  std::vector<WideString> plain = {
      u"event: game start",       u"event: path removed", u"rip: bad soil for seed",
      u"cell info form: caption", u"debug form: caption", u"cell info frame: HP",
      u"cell info frame: mana",   u"level gain: 1",       u"level gain: 2",
      u"level gain: more",        u"level gain: max",     u"autocast tip"};
  for (const WideString kind : kObjectKinds) plain.push_back(u"flower: " + kind);
  for (const WideString& name : plain)
    EXPECT_EQ(config.Lang(name).find(u'%'), WideString::npos) << Narrow(name);
}

TEST_F(ShippedLanguageTest, NamesEveryKindTheGameCanMake) {
  EXPECT_EQ(MissingWith(u"flower: ", kObjectKinds), std::vector<std::string>());
  EXPECT_EQ(MissingWith(u"ability: ", kAbilityKinds), std::vector<std::string>());
  EXPECT_EQ(MissingWith(u"cell: ", kTerrains), std::vector<std::string>());
}

}  // namespace
