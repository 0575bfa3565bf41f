#include "ui/platform/app_paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "support/temp_folder.h"

namespace {

class AppPathsTest : public testing::Test {
 protected:
  AppPathsTest() {
    temp.MakeFolder("work");
    temp.MakeFolder("bin");
    folders = {Path("work"), Path("bin"), Path("home/config/sorrelwind"),
               Path("home/data/sorrelwind"), Path("share/sorrelwind/Data")};
  }

  QString Path(const char* relative) const { return QString::fromStdString(temp.PathOf(relative)); }
  void WritePackage(const std::string& folder, const char* langFile = "lang.ini") {
    QDir().mkpath(Path(folder.c_str()));
    for (const std::string name : {"objects.ini", "abilities.ini", langFile})
      temp.WriteFile(folder + "/" + name, "");
  }

  TTempFolder temp;
  TAppFolders folders;
};

}  // namespace

TEST_F(AppPathsTest, KeepsFilesBesideABuiltExecutableAndPerUserForAnInstalledOne) {
  EXPECT_EQ(SettingsFilePath(folders), Path("bin/settings.ini"));
  EXPECT_EQ(ClickMapFilePath(folders), Path("bin/clickmap.bmp"));

  // A folder below a file can be written by nobody, root included.
  temp.WriteFile("installed", "");
  folders.Executable = Path("installed/bin");
  EXPECT_EQ(SettingsFilePath(folders), Path("home/config/sorrelwind/settings.ini"));
  EXPECT_EQ(ClickMapFilePath(folders), Path("home/data/sorrelwind/clickmap.bmp"));
  EXPECT_TRUE(QFileInfo(Path("home/config/sorrelwind")).isDir());
  EXPECT_TRUE(QFileInfo(Path("home/data/sorrelwind")).isDir());

  // An installed game's folder may well be writable (a private prefix): its data decides.
  folders.Executable = Path("bin");
  WritePackage("share/sorrelwind/Data");
  EXPECT_TRUE(UsesPerUserFolders(folders));
  EXPECT_EQ(SettingsFilePath(folders), Path("home/config/sorrelwind/settings.ini"));
  EXPECT_EQ(ClickMapFilePath(folders), Path("home/data/sorrelwind/clickmap.bmp"));
}

TEST_F(AppPathsTest, FindsDataInTheWorkingFolderFirstThenBesideTheExecutable) {
  temp.MakeFolder("work/Data");
  temp.WriteFile("work/Data/objects.ini", "");
  WritePackage("bin/Data", "LANG.INI");
  WritePackage("share/sorrelwind/Data");
  EXPECT_EQ(FindDataFolder(folders), Path("bin/Data"));

  WritePackage("work/Data");
  EXPECT_EQ(FindDataFolder(folders), Path("work/Data"));
}

TEST_F(AppPathsTest, NamesEveryPlaceItLookedWhenNoneHoldsData) {
  EXPECT_EQ(FindDataFolder(folders), std::nullopt);
  const QString message = DataFolderNotFoundMessage(folders);
  for (const char* place : {"work/Data", "bin/Data", "share/sorrelwind/Data"})
    EXPECT_TRUE(message.contains(Path(place))) << message.toStdString();
  EXPECT_TRUE(message.contains("objects.ini, abilities.ini, lang.ini")) << message.toStdString();
}
