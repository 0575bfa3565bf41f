// The intro window filled from a map's header: its text, its picture and its size.
#include "ui/windows/intro_form.h"

#include <gtest/gtest.h>

#include "config/folder_package.h"
#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"
#include "map/map_info.h"
#include "support/png_writer.h"
#include "support/temp_folder.h"
#include "ui/widgets/transparent_rich_edit.h"

namespace {

class IntroFormTest : public testing::Test {
 protected:
  IntroFormTest() {
    folder.MakeFolder("maps");
    folder.MakeFolder("images");
    package.SetPath(folder.NameOf(""));
    info.SetPackage(&package);
  }

  void Load(const char16_t* header) {
    TStringListW lines;
    lines.SetText(header);
    TMemIniFileW ini;
    ini.SetStrings(lines);
    info.LoadFrom(ini);
    form.Load(info);
  }

  TTempFolder folder;
  TSWFolderPackage package;
  TSWMapInfo info;
  TIntroForm form;
};

TEST_F(IntroFormTest, WithoutAPictureThePlainTextShowsOnTheBoxColourAtTheDesignSize) {
  folder.WriteFile("maps/dry.txt", "Dry Spell\n\nNo rain, caf\xC3\xA9.");
  Load(u"[General]\nName=Drought\nIntro=maps\\dry.txt\n");
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Drought"));
  EXPECT_EQ(form.mm->toPlainText(), QStringLiteral("Dry Spell\n\nNo rain, caf\u00E9."));
  EXPECT_TRUE(form.mm->FillWithColor());
  EXPECT_EQ(form.size(), QSize(505, 393));
  EXPECT_EQ(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

TEST_F(IntroFormTest, PlainTextThatIsNotUtf8IsReadAsWindows1252) {
  folder.WriteFile("maps/old.txt", "caf\xE9 \x93quoted\x94 \x80");
  Load(u"[General]\nIntro=maps\\old.txt\n");
  EXPECT_EQ(form.mm->toPlainText(), QStringLiteral("caf\u00E9 \u201Cquoted\u201D \u20AC"));
}

TEST_F(IntroFormTest, APictureGivesTheClientAreaItsSizeAndStopsGrowth) {
  TTestPng picture;
  picture.Width = 300;
  picture.Height = 200;
  picture.Samples.assign(300 * 200 * 4, 255);
  folder.WriteFile("images/small.png", EncodePng(picture));
  folder.WriteFile("maps/intro.rtf", "{\\rtf1 {\\b Welcome}\\par}");
  Load(u"[General]\nIntro=maps\\intro.rtf\nBkImage=images\\small.png\n");
  EXPECT_EQ(form.mm->toPlainText(), QStringLiteral("Welcome"));
  EXPECT_FALSE(form.mm->FillWithColor());
  EXPECT_EQ(form.mm->Background().size(), QSize(300, 200));
  EXPECT_EQ(form.size(), QSize(300, 200));
  EXPECT_EQ(form.maximumSize(), QSize(300, 200));
  form.resize(800, 600);
  EXPECT_EQ(form.size(), QSize(300, 200));
}

TEST(IntroFormShippedTest, GenesisShowsItsIntroductionOverItsPicture) {
  TSWFolderPackage package;
  package.SetPath(u"" SW_DATA_DIR);
  TSWMapInfo info;
  info.SetPackage(&package);
  info.LoadFrom(package.Ini(u"maps\\genesis"));
  TIntroForm form;
  form.Load(info);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Genesis"));
  EXPECT_TRUE(form.mm->toPlainText().startsWith(QStringLiteral("Genesis\nThe first spring")));
  EXPECT_EQ(form.size(), QSize(480, 360));
}

}  // namespace
