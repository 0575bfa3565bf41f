#include "ui/platform/screen_placement.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

TEST(ScreenPlacementTest, ShrinksAWindowLargerThanItsScreenAndCentresIt) {
  QWidget window;
  const QRect available = window.screen()->availableGeometry();
  window.resize(available.width() + 300, available.height() / 2);
  CenterOnScreen(window);
  EXPECT_EQ(window.size(), QSize(available.width(), available.height() / 2));
  EXPECT_TRUE(available.contains(window.frameGeometry()));
  EXPECT_EQ(window.frameGeometry().center(), available.center());
}

TEST(ScreenPlacementTest, APlaceIsOnAScreenWhenAnyPartOfItIs) {
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(IsOnAScreen(QRect(available.right() - 10, available.top(), 400, 300)));
  EXPECT_FALSE(IsOnAScreen(QRect(available.right() + 1, available.top(), 400, 300)));
  EXPECT_FALSE(IsOnAScreen(QRect(available.left() - 400, available.top(), 400, 300)));
}

}  // namespace
