// The wide-caption labels: auto-size, the shadow drawn behind the text, the engraved look.
#include "ui/widgets/shadow_label.h"

#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <utility>

namespace {

const QColor kText(0, 0, 255);
const QColor kShadow(255, 0, 0);

using PixelSet = std::set<std::pair<int, int>>;

PixelSet PixelsOf(const QImage& image, const QColor& colour) {
  PixelSet pixels;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == colour) pixels.insert({x, y});
  return pixels;
}

// A big caption drawn without antialiasing, so every pixel is text, shadow or background.
class ShadowLabelTest : public testing::Test {
 protected:
  ShadowLabelTest() {
    QFont font = label.font();
    font.setPixelSize(40);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, kText);
    label.setPalette(palette);
    label.SetShadowColor(kShadow);
    label.SetShadowDistanceY(5);
    label.SetCaption(u"Sw&");
    label.SetAutoSize(false);
    label.resize(label.width() + 10, label.height() + 10);
  }

  QImage Grab() { return label.grab().toImage(); }

  TShadowLabel label;
};

TEST_F(ShadowLabelTest, TheShadowIsACopyBehindTheTextAtTheOffset) {
  EXPECT_EQ(label.ShadowDistanceX(), 3);
  label.SetShadowDistanceY(0);
  label.SetShadowDistanceX(0);
  const QImage alone = Grab();
  const PixelSet text = PixelsOf(alone, kText);
  ASSERT_FALSE(text.empty());
  EXPECT_TRUE(PixelsOf(alone, kShadow).empty());

  label.SetShadowDistanceX(3);
  label.SetShadowDistanceY(5);
  const QImage shadowed = Grab();
  EXPECT_EQ(PixelsOf(shadowed, kText), text);  // the text lies over its shadow
  const PixelSet shadow = PixelsOf(shadowed, kShadow);
  ASSERT_FALSE(shadow.empty());
  for (const auto& [x, y] : shadow) EXPECT_TRUE(text.contains({x - 3, y - 5})) << x << "," << y;
}

TEST_F(ShadowLabelTest, ADisabledLabelIsEngravedWithoutItsShadow) {
  label.setEnabled(false);
  const QImage engraved = Grab();
  EXPECT_TRUE(PixelsOf(engraved, kShadow).empty());
  EXPECT_TRUE(PixelsOf(engraved, kText).empty());
  const PixelSet dark = PixelsOf(engraved, label.palette().color(QPalette::Dark));
  const PixelSet light = PixelsOf(engraved, label.palette().color(QPalette::Light));
  ASSERT_FALSE(dark.empty());
  ASSERT_FALSE(light.empty());
  // The light copy lies one pixel right and down, under the dark one.
  for (const auto& [x, y] : light) EXPECT_TRUE(dark.contains({x - 1, y - 1})) << x << "," << y;
}

TEST(LabelWTest, AnAutoSizedLabelMeasuresItsTextAndAnEmptyOneStillOneLine) {
  TLabelW label;
  label.SetCaption(u"Genesis");
  const QSize oneLine = label.size();
  EXPECT_GT(oneLine.width(), 0);
  EXPECT_GT(oneLine.height(), 0);
  label.SetCaption(u"Genesis\nThe first spring");
  EXPECT_GT(label.height(), oneLine.height());
  label.SetCaption(u"");
  EXPECT_EQ(label.height(), oneLine.height());

  // A right-aligned label keeps its right edge.
  label.SetAlignment(Qt::AlignRight);
  label.setGeometry(100, 10, 5, 5);
  label.SetCaption(u"Genesis");
  EXPECT_EQ(label.geometry(), QRect(QPoint(105 - oneLine.width(), 10), oneLine));
}

}  // namespace
