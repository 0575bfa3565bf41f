#include "ui/platform/sw_application.h"

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

}  // namespace

TSWApplication::TSWApplication(int& argc, char** argv)
    : QApplication(argc, argv), presenter_(&ShowInMessageBox) {
  InstallFontSubstitutes();
}

bool TSWApplication::notify(QObject* receiver, QEvent* event) {
  return DeliverShowingErrors([&] { return QApplication::notify(receiver, event); }, presenter_);
}
