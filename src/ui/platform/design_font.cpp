#include "ui/platform/design_font.h"

#include <QFont>
#include <QWidget>

void ApplyDesignFont(QWidget& window) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPointSize(8);
  window.setFont(font);
}
