#include "ui/platform/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace {

const QStringList kPackageFiles{QStringLiteral("objects.ini"), QStringLiteral("abilities.ini"),
                                QStringLiteral("lang.ini")};

bool IsWritableFolder(const QString& folder) {
  const QFileInfo info(folder);
  return info.isDir() && info.isWritable();
}

bool HoldsPackage(const QString& folder) {
  const QStringList files = QDir(folder).entryList(QDir::Files);
  return std::all_of(kPackageFiles.begin(), kPackageFiles.end(), [&files](const QString& name) {
    return files.contains(name, Qt::CaseInsensitive);
  });
}

// `fileName` beside the executable, or in `userFolder`, which is created when missing.
QString PlayerFilePath(const TAppFolders& folders, const QString& fileName,
                       const QString& userFolder) {
  if (!UsesPerUserFolders(folders)) return QDir(folders.Executable).absoluteFilePath(fileName);
  QDir().mkpath(userFolder);
  return QDir(userFolder).absoluteFilePath(fileName);
}

}  // namespace

TAppFolders RunningAppFolders() {
  const QString executable = QCoreApplication::applicationDirPath();
  return {QDir::currentPath(), executable,
          QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
          QDir::cleanPath(QDir(executable).filePath(QStringLiteral(SW_INSTALLED_DATA_FROM_BIN)))};
}

bool UsesPerUserFolders(const TAppFolders& folders) {
  return HoldsPackage(folders.InstalledData) || !IsWritableFolder(folders.Executable);
}

QString SettingsFilePath(const TAppFolders& folders) {
  return PlayerFilePath(folders, QStringLiteral("settings.ini"), folders.UserConfig);
}

QString ClickMapFilePath(const TAppFolders& folders) {
  return PlayerFilePath(folders, QStringLiteral("clickmap.bmp"), folders.UserData);
}

QStringList DataFolderCandidates(const TAppFolders& folders) {
  return {QDir(folders.Working).absoluteFilePath(QStringLiteral("Data")),
          QDir(folders.Executable).absoluteFilePath(QStringLiteral("Data")),
          QDir::cleanPath(folders.InstalledData)};
}

std::optional<QString> FindDataFolder(const TAppFolders& folders) {
  for (const QString& candidate : DataFolderCandidates(folders))
    if (HoldsPackage(candidate)) return candidate;
  return std::nullopt;
}

QString DataFolderNotFoundMessage(const TAppFolders& folders) {
  return QStringLiteral("Sorrelwind cannot start: none of these folders holds its data (%1):\n  %2")
      .arg(kPackageFiles.join(QStringLiteral(", ")),
           DataFolderCandidates(folders).join(QStringLiteral("\n  ")));
}
