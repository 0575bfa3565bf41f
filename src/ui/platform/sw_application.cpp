#include "ui/platform/sw_application.h"

#include <QDir>
#include <QIcon>
#include <QMessageBox>

#include "ui/platform/font_substitutes.h"
#include "ui/platform/qt_text.h"

namespace {

// Plain text, so a message that looks like markup is still shown exactly as raised.
void ShowInMessageBox(const WideString& message) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Sorrelwind"), ToQString(message),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

// The game's icon at every size drawn for it, from the program's resources.
QIcon AppIcon() {
  QIcon icon;
  const QDir folder(QStringLiteral(":/icons"));
  for (const QString& name : folder.entryList(QDir::Files)) icon.addFile(folder.filePath(name));
  return icon;
}

}  // namespace

TSWApplication::TSWApplication(int& argc, char** argv)
    : QApplication(argc, argv), presenter_(&ShowInMessageBox) {
  // The per-user folders are named after the application; the desktop ties the window to its
  // menu entry and icon by the desktop file's name.
  setApplicationName(QStringLiteral("sorrelwind"));
  setDesktopFileName(QStringLiteral(SW_APP_ID));
  setWindowIcon(AppIcon());
  InstallFontSubstitutes();
}

bool TSWApplication::notify(QObject* receiver, QEvent* event) {
  return DeliverShowingErrors([&] { return QApplication::notify(receiver, event); }, presenter_);
}
