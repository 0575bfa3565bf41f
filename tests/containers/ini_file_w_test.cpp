#include "containers/ini_file_w.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/errors.h"
#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"
#include "support/temp_folder.h"

namespace {

template <class Action>
WideString CreateErrorOf(Action action) {
  try {
    action();
  } catch (const EFCreateError& error) {
    return error.Message();
  }
  return u"(no error)";
}

}  // namespace

TEST(IniFileW, EveryWriteReachesTheFileAtOnce) {
  TTempFolder folder;
  const WideString name = folder.NameOf("settings.ini");
  TIniFileW ini(name);
  EXPECT_EQ(ini.ReadString(u"View", u"grid", u"default"), u"default");

  ini.WriteBool(u"View", u"grid", true);
  ini.WriteString(u"Intros", u"G\u00E9n\u00E8se \u20AC", u"vu \u00E9t\u00E9");
  ini.WriteString(u"Intros", u"other", u"1");
  EXPECT_EQ(TMemIniFileW(name).ReadString(u"view", u"GRID", u""), u"1");
  EXPECT_EQ(TIniFileW(name).ReadString(u"intros", u"g\u00C9n\u00C8se \u20AC", u""),
            u"vu \u00E9t\u00E9");

  ini.DeleteKey(u"Intros", u"other");
  EXPECT_EQ(TMemIniFileW(name).ReadString(u"Intros", u"other", u"gone"), u"gone");
  ini.EraseSection(u"View");
  EXPECT_FALSE(TMemIniFileW(name).SectionExists(u"View"));
  EXPECT_EQ(folder.ReadFile("settings.ini"),
            "[Intros]\r\nG\xC3\xA9n\xC3\xA8se \xE2\x82\xAC=vu \xC3\xA9t\xC3\xA9\r\n\r\n");

  ini.Clear();
  EXPECT_FALSE(std::filesystem::exists(folder.PathOf("settings.ini")));
  EXPECT_EQ(ini.ReadString(u"Intros", u"other", u"none"), u"none");
}

TEST(IniFileW, WriteAllAppliesEveryChangeAndKeepsTheRest) {
  TTempFolder folder;
  folder.WriteFile("settings.ini", "[Messages]\r\nintro: Genesis=1\r\n");
  TIniFileW ini(folder.NameOf("settings.ini"));
  ini.WriteAll([](TCustomIniFileW& content) {
    content.WriteInteger(u"General", u"X", 5);
    content.WriteBool(u"General", u"Show grid", true);
    content.DeleteKey(u"Messages", u"intro: Genesis");
    content.WriteInteger(u"General", u"X", 6);
  });
  EXPECT_EQ(folder.ReadFile("settings.ini"),
            "[Messages]\r\n\r\n[General]\r\nX=6\r\nShow grid=1\r\n\r\n");
  EXPECT_EQ(folder.List(), std::vector<std::string>{"settings.ini"});
}

TEST(IniFileW, ReadsAreBoundedByTheProfileBuffers) {
  TTempFolder folder;
  TIniFileW ini(folder.NameOf("settings.ini"));
  ini.WriteString(u"S", u"long", WideString(3000, u'v'));
  EXPECT_EQ(ini.ReadString(u"S", u"long", u""), WideString(2047, u'v'));

  // 1000-character section names: each takes 1001 characters of a 16384-character buffer, and
  // one more terminator ends the list, so 16 of them fit.
  TStringListW lines;
  for (char16_t c = u'a'; c < u'a' + 20; ++c) {
    lines.Add(u"[" + WideString(1000, c) + u"]");
    lines.Add(u"k=v");
  }
  ini.SetStrings(lines);
  TStringListW sections;
  ini.ReadSections(sections);
  EXPECT_EQ(sections.Count(), 16);
  EXPECT_EQ(sections.Strings(15), WideString(1000, u'a' + 15));
}

TEST(IniFileW, FailedWritesSayUnableToWriteAndLeaveTheOldFile) {
  TTempFolder folder;
  // The temporary file beside a 255-character name cannot exist, whoever runs the test.
  const std::string longName(255, 'n');
  folder.WriteFile(longName, "[View]\r\ngrid=1\r\n");
  TIniFileW ini(folder.NameOf(longName));
  EXPECT_EQ(ini.ReadString(u"View", u"grid", u""), u"1");
  const WideString expected = u"Unable to write to " + folder.NameOf(longName);
  EXPECT_EQ(CreateErrorOf([&] { ini.WriteString(u"View", u"grid", u"0"); }), expected);
  EXPECT_EQ(CreateErrorOf([&] { ini.EraseSection(u"View"); }), expected);
  EXPECT_EQ(
      CreateErrorOf([&] {
        ini.WriteAll([](TCustomIniFileW& content) { content.WriteBool(u"View", u"grid", false); });
      }),
      expected);
  EXPECT_EQ(folder.ReadFile(longName), "[View]\r\ngrid=1\r\n");
  EXPECT_EQ(folder.List(), std::vector<std::string>{longName});  // no temporary file left

  TIniFileW inMissingFolder(folder.NameOf("missing/settings.ini"));
  EXPECT_EQ(CreateErrorOf([&] { inMissingFolder.WriteInteger(u"a", u"b", 1); }),
            u"Unable to write to " + folder.NameOf("missing/settings.ini"));

  folder.MakeFolder("folder.ini");
  TIniFileW onFolder(folder.NameOf("folder.ini"));
  EXPECT_EQ(onFolder.ReadString(u"a", u"b", u"default"), u"default");
  EXPECT_EQ(CreateErrorOf([&] { onFolder.WriteString(u"a", u"b", u"c"); }),
            u"Unable to write to " + folder.NameOf("folder.ini"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.PathOf("folder.ini")));
}
