#include "containers/mem_ini_file_w.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "containers/string_list_w.h"
#include "platform/memory_stream.h"
#include "support/temp_folder.h"

namespace {

// An ini parsed from UTF-8 bytes the way the data package hands them over.
class ParsedIni {
 public:
  explicit ParsedIni(std::string bytes) {
    TMemoryStream stream(std::move(bytes));
    ini.LoadFromStream(stream);
  }
  TMemIniFileW ini;
};

WideString Joined(const TStringsW& list) {
  WideString text;
  for (int i = 0; i < list.Count(); ++i) text += (i ? u"|" : u"") + list.Strings(i);
  return text;
}

}  // namespace

TEST(MemIniFileW, LinesAreTrimmedAndOnlyLeadingSemicolonsComment) {
  ParsedIni parsed(
      "orphan=before any section\r\n"
      "  [  Flower  ]  \n"
      "\t name \t=  Rose  \r"
      "empty =\n"
      "; comment=1\n"
      "note = 1 ;note\n"
      "bare line \n");
  const TMemIniFileW& ini = parsed.ini;
  EXPECT_EQ(ini.ReadString(u"Flower", u"name", u"?"), u"Rose");
  EXPECT_EQ(ini.ReadString(u"Flower", u"empty", u"?"), u"");
  EXPECT_EQ(ini.ReadString(u"Flower", u"; comment", u"?"), u"?");
  EXPECT_EQ(ini.ReadString(u"Flower", u"note", u"?"), u"1 ;note");
  EXPECT_EQ(ini.ReadString(u"Flower", u"orphan", u"?"), u"?");

  TStringListW lines;
  ini.ReadSectionValues(u"Flower", lines);
  EXPECT_EQ(Joined(lines), u"name=Rose|empty=|note=1 ;note|bare line");
  ini.ReadSection(u"flower", lines);
  EXPECT_EQ(Joined(lines), u"name|empty|note|");
}

TEST(MemIniFileW, TheLastSectionAndTheLastKeyOfANameWin) {
  ParsedIni parsed(
      "[Flower]\nhp=1\nonly first=x\n"
      "[Other]\nhp=7\n"
      "[Flower]\nhp=2\nhp=3\n"
      "[Header only]\n\n; nothing\n");
  TMemIniFileW& ini = parsed.ini;
  EXPECT_EQ(ini.ReadString(u"Flower", u"hp", u""), u"3");
  EXPECT_EQ(ini.ReadString(u"Flower", u"only first", u"none"), u"none");
  EXPECT_TRUE(ini.SectionExists(u"Other"));
  EXPECT_FALSE(ini.SectionExists(u"Header only"));
  EXPECT_FALSE(ini.SectionExists(u"Missing"));

  TStringListW sections;
  ini.ReadSections(sections);
  EXPECT_EQ(Joined(sections), u"Flower|Other|Flower|Header only");
}

TEST(MemIniFileW, EraseSectionAndDeleteKeyRemoveOnlyTheOccurrenceThatIsRead) {
  ParsedIni parsed("[Flower]\nhp=1\n[Other]\nhp=7\n[Flower]\nhp=2\nhp=3\n");
  TMemIniFileW& ini = parsed.ini;
  ini.DeleteKey(u"Flower", u"HP");
  EXPECT_EQ(ini.ReadString(u"Flower", u"hp", u"gone"), u"2");
  ini.DeleteKey(u"Flower", u"hp");
  EXPECT_EQ(ini.ReadString(u"Flower", u"hp", u"gone"), u"gone");

  ini.EraseSection(u"flower");
  TStringListW sections;
  ini.ReadSections(sections);
  EXPECT_EQ(Joined(sections), u"Flower|Other");
  EXPECT_EQ(ini.ReadString(u"Flower", u"hp", u"gone"), u"1");
}

TEST(MemIniFileW, CaseIsIgnoredUntilTheSwitch) {
  ParsedIni parsed("[flower]\nName=a\n[FLOWER]\nNAME=b\n");
  TMemIniFileW& ini = parsed.ini;
  EXPECT_EQ(ini.ReadString(u"Flower", u"name", u""), u"b");
  ini.SetCaseSensitive(true);
  EXPECT_EQ(ini.ReadString(u"flower", u"Name", u""), u"a");
  EXPECT_EQ(ini.ReadString(u"flower", u"NAME", u"none"), u"none");
  EXPECT_EQ(ini.ReadString(u"Flower", u"Name", u"none"), u"none");
  ini.WriteString(u"flower", u"NAME", u"c");  // a new key of its own under the switch
  EXPECT_EQ(ini.ReadString(u"flower", u"Name", u""), u"a");
  ini.SetCaseSensitive(false);
  EXPECT_EQ(ini.ReadString(u"flower", u"name", u""), u"b");
}

TEST(MemIniFileW, ByteOrderMarkHidesTheFirstHeaderAndMalformedTextIsEmpty) {
  ParsedIni withBom("\xEF\xBB\xBF[General]\nname=x\n[Tiles]\nrow=1\n");
  EXPECT_EQ(withBom.ini.ReadString(u"General", u"name", u"none"), u"none");
  EXPECT_EQ(withBom.ini.ReadString(u"Tiles", u"row", u""), u"1");

  ParsedIni malformed("[General]\nname=caf\xE9\n[Tiles]\nrow=1\n");
  TStringListW sections;
  malformed.ini.ReadSections(sections);
  EXPECT_EQ(sections.Count(), 0);

  ParsedIni nonAscii("[G\xC3\xA9n\xC3\xA9ral]\nnom=\xE2\x82\xAC\n");
  EXPECT_EQ(nonAscii.ini.ReadString(u"G\u00C9N\u00C9RAL", u"NOM", u""), u"\u20AC");
}

TEST(MemIniFileW, NumbersAndBooleans) {
  ParsedIni parsed(
      "[N]\nhex=0x1F\nHEX=0X1f\ndollar=$10\nneg=-12\nletters=abc\nx=0x\nblank=\nf=2.5e1\n");
  const TMemIniFileW& ini = parsed.ini;
  EXPECT_EQ(ini.ReadInteger(u"N", u"hex", -1), 31);
  EXPECT_EQ(ini.ReadInteger(u"N", u"dollar", -1), 16);
  EXPECT_EQ(ini.ReadInteger(u"N", u"neg", -1), -12);
  EXPECT_EQ(ini.ReadInteger(u"N", u"letters", -1), -1);
  EXPECT_EQ(ini.ReadInteger(u"N", u"x", -1), -1);
  EXPECT_EQ(ini.ReadInteger(u"N", u"blank", 5), 5);
  EXPECT_EQ(ini.ReadInteger(u"N", u"missing", 5), 5);
  EXPECT_TRUE(ini.ReadBool(u"N", u"neg", false));
  EXPECT_FALSE(ini.ReadBool(u"N", u"letters", false));
  EXPECT_TRUE(ini.ReadBool(u"N", u"letters", true));
  EXPECT_DOUBLE_EQ(ini.ReadFloat(u"N", u"f", 0), 25.0);
  EXPECT_DOUBLE_EQ(ini.ReadFloat(u"N", u"letters", 1.5), 1.5);

  TMemIniFileW written;
  written.WriteInteger(u"W", u"i", -7);
  written.WriteBool(u"W", u"b", true);
  written.WriteFloat(u"W", u"f", 0.1);
  TStringListW lines;
  written.ReadSectionValues(u"W", lines);
  EXPECT_EQ(Joined(lines), u"i=-7|b=1|f=0.1");
}

TEST(MemIniFileW, SectionsContainingATextCaseSensitively) {
  ParsedIni parsed(
      "[General]\na=1\n[Objects of Gaia]\nb=1\n[objects of lower]\nc=1\n"
      "[My Objects of Player1]\nd=1\n");
  TStringListW found;
  found.Add(u"stale");
  parsed.ini.ReadSectionsContaining(u"Objects of ", found, false);
  EXPECT_EQ(Joined(found), u"Objects of Gaia|My Objects of Player1");
  parsed.ini.ReadSectionsContaining(u"Objects of ", found, true);
  EXPECT_EQ(Joined(found), u"Gaia|of Player1");
}

TEST(MemIniFileW, UpdateFileWritesWhatLoadingReadsBack) {
  TTempFolder folder;
  const WideString name = folder.NameOf("settings.ini");
  {
    TMemIniFileW ini(name);
    ini.WriteString(u"View", u"grid", u"1");
    ini.WriteString(u"Intro", u"genesis \u00E9", u"shown");
    ini.WriteString(u"View", u"grid", u"0");
    ini.UpdateFile();
  }
  EXPECT_EQ(folder.ReadFile("settings.ini"),
            "[View]\r\ngrid=0\r\n\r\n[Intro]\r\ngenesis \xC3\xA9=shown\r\n\r\n");

  folder.WriteFile("settings.ini", "\xEF\xBB\xBF[View]\ngrid=1\n");  // a named file skips the mark
  TMemIniFileW reread(name);
  EXPECT_EQ(reread.ReadString(u"view", u"grid", u""), u"1");
  folder.WriteFile("settings.ini", "[View]\ngrid=2\n");
  reread.Reload();
  EXPECT_EQ(reread.ReadString(u"view", u"grid", u""), u"2");
}

TEST(MemIniFileW, UpdateFileFailureNamesTheFile) {
  TTempFolder folder;
  TMemIniFileW ini(folder.NameOf("no such folder/settings.ini"));
  ini.WriteString(u"a", u"b", u"c");
  try {
    ini.UpdateFile();
    FAIL() << "no error";
  } catch (const EFCreateError& error) {
    EXPECT_TRUE(StartsWith(error.Message(), u"TFileStreamW: Cannot create file \"" +
                                                folder.NameOf("no such folder/settings.ini") +
                                                u"\". "));
  }
}
