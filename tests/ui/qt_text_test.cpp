#include "ui/platform/qt_text.h"

#include <gtest/gtest.h>

TEST(QtTextTest, KeepsEveryCodeUnitBothWays) {
  WideString text = u"\u98A8\u8349 Sorrelwind \U0001F33C";
  text.push_back(char16_t{0xD800});  // a lone surrogate too
  const QString converted = ToQString(text);
  EXPECT_EQ(converted.size(), static_cast<qsizetype>(text.size()));
  EXPECT_EQ(ToWide(converted), text);
  EXPECT_EQ(ToWide(ToQString(WideStringView(text).substr(0, 2))), u"\u98A8\u8349");
}
