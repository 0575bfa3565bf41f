#include "ui/platform/screen_placement.h"

#include <QScreen>
#include <QWidget>

void CenterOnScreen(QWidget& window) {
  QRect frame = window.frameGeometry();
  frame.moveCenter(window.screen()->availableGeometry().center());
  window.move(frame.topLeft());
}
