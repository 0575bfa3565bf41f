// The cooldown button as a widget: toggling in groups, recomposing its image only when an input
// changes, and what a disabled button shows.
#include "ui/widgets/png_speed_button.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <memory>
#include <vector>

namespace {

constexpr TRgba kColour{200, 40, 10, 255};
constexpr QRgb kGreyPixel = qRgb(85, 85, 85);  // GrayColor(kColour)

std::unique_ptr<TPngImage> Filled(int side, TRgba colour = kColour) {
  auto image = TPngImage::Blank(side, side, TPngImage::kColorRgba, 8);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) image->SetPixel(x, y, colour);
  return image;
}

void SendMouse(QWidget& widget, QEvent::Type type) {
  const QPointF centre = QRectF(widget.rect()).center();
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(type, centre, widget.mapToGlobal(centre), Qt::LeftButton, held, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

void Click(QWidget& widget) {
  SendMouse(widget, QEvent::MouseButtonPress);
  SendMouse(widget, QEvent::MouseButtonRelease);
}

// The toolbar's button: 25 x 25 with a 16 x 16 glyph, its top-left pixel at (4, 4).
class PngSpeedButtonTest : public testing::Test {
 protected:
  PngSpeedButtonTest() {
    button.resize(25, 25);
    button.SetGlyph(Filled(16).get());
  }

  QRgb GlyphPixel() { return button.grab().toImage().pixel(12, 12); }

  QWidget toolbar;
  TPNGSpeedButton button{&toolbar};
};

TEST_F(PngSpeedButtonTest, AToggleOfItsOwnGoesDownAndUpAndIsDownWhenClickedIsEmitted) {
  button.SetGroupIndex(1);
  button.SetAllowAllUp(true);
  std::vector<bool> seenByHandler;
  QObject::connect(&button, &QAbstractButton::clicked,
                   [&] { seenByHandler.push_back(button.Down()); });
  Click(button);
  EXPECT_TRUE(button.Down());
  Click(button);
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(seenByHandler, (std::vector<bool>{true, false}));

  button.SetDown(true);
  button.SetGroupIndex(0);
  EXPECT_FALSE(button.Down());
}

TEST_F(PngSpeedButtonTest, APushButtonIsDownOnlyWhilePressed) {
  int clicks = 0;
  QObject::connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
  SendMouse(button, QEvent::MouseButtonPress);
  EXPECT_TRUE(button.isDown());
  EXPECT_FALSE(button.Down());
  SendMouse(button, QEvent::MouseButtonRelease);
  EXPECT_FALSE(button.isDown());
  button.SetDown(true);
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(clicks, 1);
}

TEST_F(PngSpeedButtonTest, AGroupKeepsOneButtonDownUnlessItMayBeAllUp) {
  TPNGSpeedButton other(&toolbar);
  TPNGSpeedButton elsewhere;  // same group index, another parent
  for (TPNGSpeedButton* member : {&button, &other, &elsewhere}) member->SetGroupIndex(2);
  elsewhere.SetDown(true);

  Click(button);
  Click(other);
  EXPECT_FALSE(button.Down());
  EXPECT_TRUE(other.Down());
  EXPECT_TRUE(elsewhere.Down());
  Click(other);
  EXPECT_TRUE(other.Down());
  other.SetDown(false);
  EXPECT_TRUE(other.Down());

  button.SetAllowAllUp(true);  // shared by the group
  EXPECT_TRUE(other.AllowAllUp());
  Click(other);
  EXPECT_FALSE(other.Down());
}

TEST_F(PngSpeedButtonTest, TheImageIsRecomposedOncePerChangedInputAndNeverByAPaint) {
  qint64 key = button.DrawImage().cacheKey();
  auto recomposed = [&] {
    const qint64 now = button.DrawImage().cacheKey();
    const bool changed = now != key;
    key = now;
    return changed;
  };
  button.grab();
  button.repaint();
  EXPECT_FALSE(recomposed());

  button.SetClockGray(40);
  EXPECT_TRUE(recomposed());
  button.SetClockGray(40);
  button.SetClockGrayClockWise(true);
  button.SetClockGrayInverse(true);
  button.SetGrayWhenDisabled(false);
  button.SetCaption(u"Text");
  EXPECT_FALSE(recomposed());

  button.SetClockGrayInverse(false);
  EXPECT_TRUE(recomposed());
  button.SetCombinedSpacing(2);  // a plain setter recomposes even for the same value
  EXPECT_TRUE(recomposed());
  button.setEnabled(false);  // GrayWhenDisabled is off now
  EXPECT_FALSE(recomposed());
}

TEST_F(PngSpeedButtonTest, ADisabledButtonIsGreyedOnlyWithGrayWhenDisabled) {
  const QRgb colourPixel = qRgb(200, 40, 10);
  ASSERT_EQ(GlyphPixel(), colourPixel);
  button.SetGrayWhenDisabled(false);
  button.setEnabled(false);
  EXPECT_EQ(GlyphPixel(), colourPixel);

  button.SetGrayWhenDisabled(true);
  EXPECT_EQ(GlyphPixel(), colourPixel);  // until the next recomposition
  button.setEnabled(true);
  button.setEnabled(false);
  EXPECT_EQ(GlyphPixel(), kGreyPixel);
  EXPECT_EQ(button.Glyph()->Pixel(0, 0), kColour);  // the greying works on a copy
}

TEST_F(PngSpeedButtonTest, ImagesAreCopiedAndNoneOrAnEmptyOneEmptiesTheProperty) {
  button.SetCombine1(Filled(32).get());
  EXPECT_EQ(button.DrawGlyph().Width(), 32);
  button.SetCombine1(Filled(0).get());
  EXPECT_EQ(button.Combine1(), nullptr);
  EXPECT_EQ(button.DrawGlyph().Width(), 16);  // the glyph again
  button.SetGlyph(nullptr);
  EXPECT_TRUE(button.DrawImage().isNull());
}

}  // namespace
