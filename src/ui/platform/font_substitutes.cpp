#include "ui/platform/font_substitutes.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes() {
  const QStringList serif{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
  const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
  // fonts-ipafont-mincho: a Mincho face with the Japanese ideographs.
  QFont::insertSubstitutions(QStringLiteral("MS Mincho"), {QStringLiteral("IPAMincho")});
  QFont::insertSubstitutions(QStringLiteral("Georgia"), serif);
  QFont::insertSubstitutions(QStringLiteral("MS Serif"), serif);
  QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
}
