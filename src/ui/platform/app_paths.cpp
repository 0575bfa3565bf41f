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

}  // namespace

TAppFolders RunningAppFolders() {
  return {QDir::currentPath(), QCoreApplication::applicationDirPath(),
          QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
          QStringLiteral(SW_INSTALLED_DATA_DIR)};
}

QString WritableFilePath(const QString& fileName, const QString& preferred,
                         const QString& fallback) {
  if (IsWritableFolder(preferred)) return QDir(preferred).absoluteFilePath(fileName);
  QDir().mkpath(fallback);
  return QDir(fallback).absoluteFilePath(fileName);
}

QString SettingsFilePath(const TAppFolders& folders) {
  return WritableFilePath(QStringLiteral("settings.ini"), folders.Executable, folders.UserConfig);
}

QString ClickMapFilePath(const TAppFolders& folders) {
  return WritableFilePath(QStringLiteral("clickmap.bmp"), folders.Executable, folders.UserData);
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
