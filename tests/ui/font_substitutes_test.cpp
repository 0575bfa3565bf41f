#include "ui/platform/font_substitutes.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

TEST(FontSubstitutesTest, GiveTheWindowsFontsInstalledFacesOfTheirKind) {
  InstallFontSubstitutes();

  const QFont banner(QStringLiteral("MS Mincho"));
  EXPECT_EQ(QFontInfo(banner).family(), QStringLiteral("IPAMincho"));
  EXPECT_TRUE(QFontMetrics(banner).inFontUcs4(0x98A8));
  EXPECT_TRUE(QFontMetrics(banner).inFontUcs4(0x8349));
  for (const char* serif : {"Georgia", "MS Serif"})
    EXPECT_EQ(QFontInfo(QFont(serif)).family(), QStringLiteral("Liberation Serif")) << serif;
  for (const char* sans : {"Arial", "MS Sans Serif"})
    EXPECT_EQ(QFontInfo(QFont(sans)).family(), QStringLiteral("Liberation Sans")) << sans;
}
