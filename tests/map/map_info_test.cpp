#include "map/map_info.h"

#include "config/data_folder_fixture.h"
#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"

namespace {

class MapInfoTest : public DataFolderTest {
 protected:
  MapInfoTest() {
    folder.WriteFile("maps/intro.txt", "Once upon a time");
    TTestPng picture;
    picture.Width = 2;
    picture.Samples = {1, 2, 3, 255, 4, 5, 6, 255};
    folder.WriteFile("images/backdrop.png", EncodePng(picture));
    info.SetPackage(&package);
  }

  void Load(const char16_t* text) {
    TStringListW lines;
    lines.SetText(text);
    ini.SetStrings(lines);
    info.LoadFrom(ini);
  }

  TMemIniFileW ini;
  TSWMapInfo info;
};

TEST_F(MapInfoTest, MissingHeaderValuesHaveDefaultsButEmptyOnesStayEmpty) {
  Load(u"[General]\nAuthor=\n");
  EXPECT_EQ(info.Name(), u"Unidentified map");
  EXPECT_EQ(info.Author(), u"");
  EXPECT_EQ(info.Date(), u"Unknown epoch");
  EXPECT_FALSE(info.HasIntro());
  EXPECT_EQ(info.Intro(), nullptr);
  EXPECT_EQ(info.BkImage(), nullptr);

  Load(u"[General]\nName=\nAuthor=Ann\nDate=Spring\n");
  EXPECT_EQ(info.Name(), u"");
  EXPECT_EQ(info.Author(), u"Ann");
  EXPECT_EQ(info.Date(), u"Spring");
}

TEST_F(MapInfoTest, TheIntroductionIsCopiedFromThePackage) {
  Load(u"[General]\nIntro=maps\\intro.txt\nBkImage=images\\backdrop.png\n");
  ASSERT_TRUE(info.HasIntro());
  EXPECT_EQ(info.Intro()->Bytes(), "Once upon a time");
  EXPECT_EQ(info.Intro()->Position(), 0);
  ASSERT_NE(info.BkImage(), nullptr);
  EXPECT_EQ(info.BkImage()->Width(), 2);

  Load(u"[General]\nName=Next\n");
  EXPECT_FALSE(info.HasIntro());
  EXPECT_EQ(info.Intro(), nullptr);
  EXPECT_EQ(info.BkImage(), nullptr);
}

TEST_F(MapInfoTest, AnIntroductionThatCannotBeReadIsLeftOut) {
  Load(u"[General]\nIntro=maps\\missing.txt\n");
  EXPECT_FALSE(info.HasIntro());
  EXPECT_EQ(info.Intro(), nullptr);

  info.SetPackage(nullptr);
  Load(u"[General]\nIntro=maps\\intro.txt\n");
  EXPECT_FALSE(info.HasIntro()) << "without a package nothing is read";
}

TEST_F(MapInfoTest, APictureThatCannotBeReadFailsTheLoad) {
  EXPECT_EQ(ErrorOf<EListError>([&] { Load(u"[General]\nBkImage=images\\missing.png\n"); }),
            u"TSWFolderPackage.Data could not retrieve data with name images\\missing.png.");
  EXPECT_EQ(info.BkImage(), nullptr);
  EXPECT_THROW(Load(u"[General]\nIntro=maps\\intro.txt\nBkImage=maps\\intro.txt\n"), EPngError);
  EXPECT_FALSE(info.HasIntro());
  EXPECT_EQ(info.BkImage(), nullptr);
}

}  // namespace
