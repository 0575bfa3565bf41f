#include "ui/platform/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

void CenterOnScreen(QWidget& window) {
  const QRect available = window.screen()->availableGeometry();
  const QSize decoration = window.frameGeometry().size() - window.size();
  window.resize(window.size().boundedTo(available.size() - decoration));
  QRect frame = window.frameGeometry();
  frame.moveCenter(available.center());
  window.move(frame.topLeft());
}

bool IsOnAScreen(const QRect& rect) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  return std::any_of(screens.begin(), screens.end(), [&rect](const QScreen* screen) {
    return screen->availableGeometry().intersects(rect);
  });
}
