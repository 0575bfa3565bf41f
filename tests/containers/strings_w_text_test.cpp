#include <gtest/gtest.h>

#include "base/errors.h"
#include "containers/string_list_w.h"
#include "platform/memory_stream.h"
#include "support/temp_folder.h"

namespace {

std::vector<WideString> LinesOf(WideStringView text) {
  TStringListW list;
  list.SetText(text);
  return StringsOf(list);
}

using Lines = std::vector<WideString>;

}  // namespace

TEST(StringsWText, LinesEndAtCrLfOrCrLfAndAFinalLineEndAddsNothing) {
  EXPECT_EQ(LinesOf(u"a\rb\nc\r\nd"), (Lines{u"a", u"b", u"c", u"d"}));
  EXPECT_EQ(LinesOf(u"a\r\n"), (Lines{u"a"}));
  EXPECT_EQ(LinesOf(u"a\n\r"), (Lines{u"a", u""}));  // LF then a lone CR: two line ends
  EXPECT_EQ(LinesOf(u"\r\n\r\n"), (Lines{u"", u""}));
  EXPECT_EQ(LinesOf(u""), Lines{});
  EXPECT_EQ(LinesOf(WideString(u"x\0y", 3)), (Lines{WideString(u"x\0y", 3)}));

  TStringListW list;
  list.SetText(u"a\nb");
  EXPECT_EQ(list.Text(), u"a\r\nb\r\n");
}

TEST(StringsWText, StreamsKeepTheByteOrderMarkButFilesSkipIt) {
  TMemoryStream stream("\xEF\xBB\xBFname\r\n\xC3\xA9t\xC3\xA9");
  TStringListW list;
  list.LoadFromStream(stream);
  EXPECT_EQ(list.Text(), u"\uFEFFname\r\n\u00E9t\u00E9\r\n");

  TMemoryStream saved;
  list.SaveToStream(saved);
  EXPECT_EQ(saved.Bytes(), "\xEF\xBB\xBFname\r\n\xC3\xA9t\xC3\xA9\r\n");

  TTempFolder folder;
  folder.WriteFile("bom.txt", "\xEF\xBB\xBFname\n\xC3\xA9t\xC3\xA9");
  list.LoadFromFile(folder.NameOf("bom.txt"));
  EXPECT_EQ(list.Text(), u"name\r\n\u00E9t\u00E9\r\n");

  list.SaveToFile(folder.NameOf("out.txt"));
  EXPECT_EQ(folder.ReadFile("out.txt"), "name\r\n\xC3\xA9t\xC3\xA9\r\n");
}

TEST(StringsWText, MalformedUtf8LoadsNoLines) {
  TMemoryStream stream("[General]\r\nname=caf\xE9\r\n");
  TStringListW list;
  list.Add(u"old");
  list.LoadFromStream(stream);
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringsWText, LoadingAMissingFileFailsWithTheOpenMessage) {
  TTempFolder folder;
  TStringListW list;
  try {
    list.LoadFromFile(folder.NameOf("missing.txt"));
    FAIL() << "no error";
  } catch (const EFOpenError& error) {
    EXPECT_TRUE(StartsWith(error.Message(), u"TFileStreamW: Cannot open file \""));
  }
}

TEST(StringsWLines, NameAndValueSplitAtTheFirstEquals) {
  EXPECT_EQ(LineName(u"2:5=seed,a=b"), u"2:5");
  EXPECT_EQ(LineValue(u"2:5=seed,a=b"), u"seed,a=b");
  EXPECT_EQ(LineName(u"no separator"), u"no separator");
  EXPECT_EQ(LineValue(u"no separator"), u"");
}
