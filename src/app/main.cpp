// The program: the application object, the main window, the event loop.
#include <cstdio>
#include <optional>

#include "base/errors.h"
#include "ui/platform/app_paths.h"
#include "ui/platform/qt_text.h"
#include "ui/platform/sw_application.h"
#include "ui/platform/termination_signals.h"
#include "ui/windows/main_form.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "sorrelwind: %s\n", message.toLocal8Bit().constData());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  TSWApplication application(argc, argv);
  const TAppFolders folders = RunningAppFolders();
  const std::optional<QString> dataDir = FindDataFolder(folders);
  if (!dataDir) return Fail(DataFolderNotFoundMessage(folders));
  try {
    CloseWindowsOnTerminationSignals();
    TMainForm mainForm({*dataDir, SettingsFilePath(folders)});
    mainForm.show();
    return application.exec();
  } catch (const Exception& error) {
    return Fail(ToQString(error.Message()));
  }
}
