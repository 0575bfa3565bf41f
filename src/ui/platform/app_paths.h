#pragma once
// Where the program's files live. settings.ini lies beside the executable of a game run from
// its build; an installed game (its data package lies where the install put it, relative to
// the executable) or one whose folder is not writable keeps it in the per-user configuration
// folder instead, so several players share one installation and no setting is lost;
// clickmap.bmp likewise, with the per-user data folder. The data package Data/ is looked for in
// the working folder, then beside the executable, then where an installed game keeps it.
// Paths are absolute, with "/" between names.
#include <QString>
#include <QStringList>
#include <optional>

// The folders those rules choose from; tests make their own.
struct TAppFolders {
  QString Working;
  QString Executable;
  QString UserConfig;
  QString UserData;
  // The installed game's Data folder itself.
  QString InstalledData;
};

// The running program's folders; the application object must exist.
TAppFolders RunningAppFolders();

// Whether the per-user folders hold the player's files: the game is installed, or its
// executable's folder cannot be written.
bool UsesPerUserFolders(const TAppFolders& folders);
QString SettingsFilePath(const TAppFolders& folders);
QString ClickMapFilePath(const TAppFolders& folders);

// The Data folders looked at, in order.
QStringList DataFolderCandidates(const TAppFolders& folders);
// The first candidate holding objects.ini, abilities.ini and lang.ini (in any letter case, as
// the package finds them); nothing when none does.
std::optional<QString> FindDataFolder(const TAppFolders& folders);
// Says that no data folder was found, naming every place looked at.
QString DataFolderNotFoundMessage(const TAppFolders& folders);
