#include "config/package.h"

#include <sys/stat.h>

#include <optional>
#include <vector>

#include "base/utf8.h"
#include "config/no_value.h"
#include "containers/mem_ini_file_w.h"
#include "data_folder_fixture.h"
#include "platform/png_image.h"
#include "platform/stream.h"

namespace {

using PackageTest = DataFolderTest;

TEST(FolderPackageTest, PathAlwaysEndsInBackslash) {
  TSWFolderPackage package;
  package.SetPath(u"Data");
  EXPECT_EQ(package.Path(), u"Data\\");
  package.SetPath(u"Data\\");
  EXPECT_EQ(package.Path(), u"Data\\");
  package.SetPath(u"");
  EXPECT_EQ(package.Path(), u"\\");
}

TEST_F(PackageTest, DataReadsItemsByEitherSeparator) {
  const std::string cell = folder.ReadFile("images/cell.png");
  EXPECT_EQ(package.Data(u"images\\cell.png").ReadRemaining(), cell);
  EXPECT_EQ(package.Data(u"images/cell.png").ReadRemaining(), cell);
}

// The language file is read again from its start whenever the language is loaded again.
TEST_F(PackageTest, DataOpensTheSameItemAfreshOnEveryRequest) {
  TStream& first = package.Data(u"lang.ini");
  first.ReadRemaining();
  TStream& second = package.Data(u"lang.ini");
  EXPECT_NE(&second, &first);
  EXPECT_EQ(second.Position(), 0);
  EXPECT_EQ(second.ReadRemaining(), folder.ReadFile("lang.ini"));
  ASSERT_EQ(package.Cache().Count(), 2);
  EXPECT_EQ(package.Cache().Objects(0), &first);
  EXPECT_EQ(package.Cache().Objects(1), &second);
}

// Data made for a case-blind file system names its items in any letter case, and the result
// must not depend on which spelling happened to be cached first.
TEST_F(PackageTest, ItemsAreFoundWithoutRegardToLetterCaseTheExactNameFirst) {
  EXPECT_EQ(package.Ini(u"OBJECTS").ReadString(u"Flower", u"HP", u"-"), u"50");
  EXPECT_EQ(package.Image(u"CELL").Pixel(0, 0), (TRgba{10, 20, 30, 255}));
  EXPECT_EQ(package.Data(u"MAPS\\Genesis.INI").ReadRemaining(),
            folder.ReadFile("maps/genesis.ini"));

  folder.WriteFile("images/Cell.png", "upper");
  EXPECT_EQ(package.Data(u"images\\cell.png").ReadRemaining(), folder.ReadFile("images/cell.png"));
  EXPECT_EQ(package.Data(u"images\\Cell.png").ReadRemaining(), "upper");
  // Of two spellings that both match, the same one every time: the first in code-unit order.
  EXPECT_EQ(package.Data(u"IMAGES\\CELL.PNG").ReadRemaining(), "upper");
  EXPECT_EQ(ErrorOf<EListError>([&] { package.Data(u"MAPS"); }),
            u"TSWFolderPackage.Data could not retrieve data with name MAPS.");
}

TEST(FolderPackageTest, ItemsNeverReachAbovePath) {
  TTempFolder folder;
  folder.MakeFolder("Data");
  folder.MakeFolder("Data/maps");
  folder.WriteFile("Data/lang.ini", "inside");
  folder.WriteFile("outside.ini", "outside");
  TSWFolderPackage package;
  package.SetPath(folder.NameOf("Data"));
  EXPECT_EQ(package.OpenData(u"..\\outside.ini"), nullptr);
  EXPECT_EQ(package.OpenData(u"maps\\..\\..\\outside.ini"), nullptr);
  EXPECT_EQ(package.OpenData(u"MAPS\\..\\..\\Data\\lang.ini"), nullptr);
  const std::unique_ptr<TStream> inside = package.OpenData(u"maps\\..\\lang.ini");
  ASSERT_NE(inside, nullptr);
  EXPECT_EQ(inside->ReadRemaining(), "inside");
}

// Hand-edited data may name anything; the package serves regular files inside its folder only,
// and refuses the rest as missing, without waiting on a FIFO.
TEST_F(PackageTest, NamesLeavingTheFolderAndFilesThatAreNotRegularAreRefusedAsMissing) {
  for (const char16_t* name : {u"\\etc\\passwd", u"/etc/passwd", u"C:\\boot.ini", u"c:lang.ini",
                               u"..\\..\\..\\etc\\passwd", u"maps/../../lang.ini"})
    EXPECT_TRUE(TSWFolderPackage::LeavesFolder(name)) << Utf8Encode(name);
  for (const char16_t* name : {u"lang.ini", u"maps\\..\\lang.ini", u"images\\a:b.png", u"..x"})
    EXPECT_FALSE(TSWFolderPackage::LeavesFolder(name)) << Utf8Encode(name);

  folder.WriteFile("lang.ini", "[Strings]\n");
  const WideString absolute = folder.NameOf("lang.ini");
  EXPECT_EQ(ErrorOf<EListError>([&] { package.Data(absolute); }),
            u"TSWFolderPackage.Data could not retrieve data with name " + absolute + u".");
  EXPECT_EQ(ErrorOf<EListError>([&] { package.Data(u"..\\..\\..\\etc\\passwd"); }),
            u"TSWFolderPackage.Data could not retrieve data with name ..\\..\\..\\etc\\passwd.");

  ASSERT_EQ(::mkfifo(folder.PathOf("maps/intro.rtf").c_str(), 0600), 0);
  EXPECT_EQ(package.OpenData(u"maps\\intro.rtf"), nullptr);
  EXPECT_EQ(package.OpenData(u"MAPS\\INTRO.RTF"), nullptr);
  EXPECT_EQ(ErrorOf<EListError>([&] { package.Data(u"maps\\intro.rtf"); }),
            u"TSWFolderPackage.Data could not retrieve data with name maps\\intro.rtf.");
}

// A file that does not decode, or has nothing in it, reads as an ini without sections; the
// package says which it is. Image failures name the item.
TEST_F(PackageTest, IniFaultsAndImageFailuresNameWhatIsWrong) {
  EXPECT_EQ(package.IniFault(u"objects"), std::nullopt);
  folder.WriteFile("abilities.ini", "[Bean]\r\nCost=5\r\n; caf\xE9\r\n");
  EXPECT_EQ(package.IniFault(u"abilities"), u"not UTF-8 text (byte E9 at line 3)");
  EXPECT_EQ(package.Ini(u"abilities").ReadString(u"Bean", u"Cost", u"-"), u"-");
  folder.WriteFile("maps/blank.ini", "; nothing but a comment\n");
  EXPECT_EQ(package.IniFault(u"maps\\blank"), u"empty");
  EXPECT_EQ(ErrorOf<EListError>([&] { package.IniFault(u"missing"); }),
            u"TSWFolderPackage.Data could not retrieve data with name missing.ini.");
  EXPECT_EQ(package.IniItemName(package.Ini(u"maps\\blank")), u"maps\\blank.ini");
  EXPECT_EQ(package.IniItemName(TMemIniFileW()), u"");

  folder.WriteFile("images/broken.png", "not a png");
  EXPECT_EQ(ErrorOf<EPngError>([&] { package.Image(u"broken"); }),
            u"images\\broken.png: Not a PNG file");
  EXPECT_EQ(ErrorOf<EListError>([&] { package.DecodeImage(u"images\\gone.png"); }),
            u"TSWFolderPackage.Data could not retrieve data with name images\\gone.png.");
}

TEST_F(PackageTest, MissingItemsAndFoldersFailNamingPackageClassAndItem) {
  EXPECT_EQ(ErrorOf<EListError>([&] { package.Data(u"lang.ini.missing"); }),
            u"TSWFolderPackage.Data could not retrieve data with name lang.ini.missing.");
  EXPECT_EQ(ErrorOf<EListError>([&] { package.Data(u"maps"); }),
            u"TSWFolderPackage.Data could not retrieve data with name maps.");
  EXPECT_EQ(package.Cache().Count(), 0);

  TTempFolder empty;
  TSWFolderPackage bare;
  bare.SetPath(empty.NameOf(""));
  EXPECT_EQ(ErrorOf<EListError>([&] { bare.Data(u"lang.ini"); }),
            u"TSWFolderPackage.Data could not retrieve data with name lang.ini.");
}

TEST_F(PackageTest, ImageIsDecodedOnceAndCachedBesideItsStream) {
  TPngImage& image = package.Image(u"cell");
  EXPECT_EQ(&package.Image(u"CELL"), &image);
  EXPECT_EQ(image.Pixel(0, 0), (TRgba{10, 20, 30, 255}));
  ASSERT_EQ(package.Cache().Count(), 2);
  EXPECT_EQ(package.Cache().Strings(0), u"images\\cell.png");
  EXPECT_EQ(package.Cache().Strings(1), u"images\\cell:png");
}

TEST_F(PackageTest, UndecodableImageCachesOnlyItsStream) {
  folder.WriteFile("images/broken.png", "not a png");
  EXPECT_THROW(package.Image(u"broken"), EPngError);
  ASSERT_EQ(package.Cache().Count(), 1);
  EXPECT_EQ(package.Cache().Strings(0), u"images\\broken.png");
}

TEST_F(PackageTest, IniIsParsedOnceAndReadWithoutRegardToCase) {
  TMemIniFileW& objects = package.Ini(u"objects");
  EXPECT_EQ(&package.Ini(u"OBJECTS"), &objects);
  EXPECT_EQ(objects.ReadString(u"FLOWER", u"hp", u"-"), u"50");
  EXPECT_EQ(package.Cache().Strings(1), u"objects:ini");
}

TEST_F(PackageTest, FileListOrderAndMarkers) {
  UseStore();
  LoadMap();
  const std::vector<TVarRec> mapThenObjects = {u"MAP", u"objects"};
  EXPECT_EQ(package.ReadStr(u"Flower", u"HP", mapThenObjects), u"70");
  EXPECT_EQ(package.ReadInt(u"FLOWER", u"hp", mapThenObjects), 70);
  EXPECT_EQ(package.ReadStr(u"Flower", u"Growth", mapThenObjects), u"3 5 8");
  EXPECT_EQ(package.ReadInt(u"Flower", u"Hex", mapThenObjects), 31);
  EXPECT_EQ(package.ReadStr(u"Flower", u"Nowhere", mapThenObjects), NoValue);
  EXPECT_EQ(package.ReadInt(u"Flower", u"Nowhere", mapThenObjects), -1);
  EXPECT_EQ(package.FindIni(u"Flower", u"HP", {u"objects", u"MAP"}), &package.Ini(u"objects"));

  // A key present with an empty value stops the search there.
  EXPECT_EQ(package.ReadStr(u"Bean", u"Cost", {u"MAP", u"abilities"}), u"");
  EXPECT_EQ(ErrorOf<EConvertError>([&] {
              package.ReadInt(u"Bean", u"Cost", {u"MAP", u"abilities"});
            }),
            u"Property Cost of [Bean] must be a number - but  was given.");

  EXPECT_EQ(ErrorOf<EStringListError>([&] {
              package.ReadStr(u"Flower", u"Nowhere", {u"MAP", u"abilities", u"RAISE"});
            }),
            u"Couldn't find string property Nowhere of [Flower] defined in any config file.");
  EXPECT_EQ(ErrorOf<EStringListError>([&] {
              package.ReadStr(u"Flower", u"HP", {u"RAISE", u"objects"});
            }),
            u"Couldn't find string property HP of [Flower] defined in any config file.");
  EXPECT_EQ(package.ReadStr(u"Flower", u"HP", {u"objects", u"RAISE"}), u"50");

  // A section header with nothing under it does not count as having the section.
  EXPECT_EQ(package.FindSection(u"levels", mapThenObjects), &package.Ini(u"objects"));
  EXPECT_EQ(package.FindSection(u"Nowhere", mapThenObjects), nullptr);
}

TEST_F(PackageTest, MapEntryWithoutLoadedMapFileFails) {
  const WideString expected =
      u"Cannot read property HP of [Flower] from the map file: no map file is loaded.";
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] {
              package.ReadStr(u"Flower", u"HP", {u"MAP", u"objects"});
            }),
            expected);
  UseStore();
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] {
              package.ReadStr(u"Flower", u"HP", {u"MAP", u"objects"});
            }),
            expected);
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { package.FindSection(u"Levels", {u"MAP"}); }),
            u"Cannot look up section [Levels] in the map file: no map file is loaded.");
}

TEST_F(PackageTest, ReadStrFromTriesKeysInOrderAndPicksPieces) {
  const std::vector<TVarRec> objects = {u"objects"};
  EXPECT_EQ(package.ReadStrFrom(objects, u"Flower", {u"a", u"b"}), u"from b");
  EXPECT_EQ(package.ReadStrFrom(objects, u"Flower", {u"a", u"c"}), NoValue);
  EXPECT_EQ(ErrorOf<EStringListError>([&] {
              package.ReadStrFrom(objects, u"Flower", {u"a", u"RAISE"});
            }),
            u"ReadStrFrom failed - couldn't find property from [Flower].");
  EXPECT_EQ(package.ReadStrFrom(objects, u"Flower", {u"b", u"RAISE"}), u"from b");

  EXPECT_EQ(package.ReadStrFrom(objects, u"Flower", {u"Growth"}, 0, u" "), u"3");
  EXPECT_EQ(package.ReadStrFrom(objects, u"Flower", {u"Growth"}, 1, u" "), u"5");
  EXPECT_EQ(package.ReadStrFrom(objects, u"Flower", {u"Growth"}, 2, u" "), u"8");
  EXPECT_EQ(package.ReadStrFrom(objects, u"Flower", {u"Growth"}, -1, u" "), u"3 5 8");
  EXPECT_EQ(
      ErrorOf<EListError>([&] { package.ReadStrFrom(objects, u"Flower", {u"Growth"}, 3, u" "); }),
      u"ReadStrFrom failed - index 3 was not found in value \"3 5 8\" of [Flower].");
  EXPECT_EQ(
      ErrorOf<EListError>([&] { package.ReadStrFrom(objects, u"Flower", {u"Single"}, 1, u" "); }),
      u"ReadStrFrom failed - index 1 was not found in value \"7\" of [Flower].");

  EXPECT_EQ(package.ReadIntFrom(objects, u"Flower", {u"Pair"}, 0, u" "), 12);
  EXPECT_EQ(
      ErrorOf<EConvertError>([&] { package.ReadIntFrom(objects, u"Flower", {u"Pair"}, 1, u" "); }),
      u"Property from [Flower] must be a number - but x was given.");
  EXPECT_EQ(package.ReadIntFrom(objects, u"Flower", {u"Nowhere"}, 1, u" "), -1);
}

}  // namespace
