#include "ui/platform/qt_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "base/errors.h"
#include "platform/png_image.h"

namespace {

const QColor kBlue(0, 0, 255);

// Channel by channel, allowing the painter's rounding.
void ExpectNear(const QColor& actual, const QColor& expected) {
  EXPECT_LE(std::abs(actual.red() - expected.red()), 1) << "red";
  EXPECT_LE(std::abs(actual.green() - expected.green()), 1) << "green";
  EXPECT_LE(std::abs(actual.blue() - expected.blue()), 1) << "blue";
  EXPECT_EQ(actual.alpha(), expected.alpha());
}

void Draw(QImage& target, TQtImageCache& cache, int x, int y, const TPngImage& image) {
  QPainter painter(&target);
  TQtCanvas canvas(painter, cache);
  canvas.DrawImage(x, y, image);
}

QImage BlueSurface(int width, int height) {
  QImage surface(width, height, QImage::Format_ARGB32_Premultiplied);
  surface.fill(kBlue);
  return surface;
}

}  // namespace

TEST(QtCanvasTest, BlendsImagesAtTheirPlaceConvertingEachOnlyOnce) {
  const auto image = TPngImage::Blank(2, 1);
  image->SetPixel(0, 0, {255, 0, 0, 128});
  image->SetPixel(1, 0, {0, 255, 0, 255});
  QImage target = BlueSurface(8, 8);
  TQtImageCache cache;

  Draw(target, cache, 3, 5, *image);
  Draw(target, cache, 3, 6, *image);

  ExpectNear(target.pixelColor(3, 5), QColor(128, 0, 127));
  ExpectNear(target.pixelColor(4, 5), QColor(0, 255, 0));
  ExpectNear(target.pixelColor(4, 6), QColor(0, 255, 0));
  ExpectNear(target.pixelColor(2, 5), kBlue);
  ExpectNear(target.pixelColor(5, 5), kBlue);
  ExpectNear(target.pixelColor(3, 4), kBlue);
  EXPECT_EQ(cache.Conversions(), 1);

  // An owner that changes its image's pixels has the old conversion forgotten.
  image->SetPixel(1, 0, {255, 255, 255, 255});
  cache.Forget(*image);
  Draw(target, cache, 3, 5, *image);
  ExpectNear(target.pixelColor(4, 5), QColor(255, 255, 255));
  EXPECT_EQ(cache.Conversions(), 2);
}

TEST(QtCanvasTest, NarrowsTheClipPerPushAndRestoresItPerPop) {
  QImage target = BlueSurface(10, 10);
  QPainter painter(&target);
  TQtCanvas canvas(painter);
  EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 10, 10}));

  ASSERT_TRUE(canvas.PushClipRect({2, 2, 6, 6}));
  ASSERT_TRUE(canvas.PushClipRect({4, 0, 20, 20}));
  EXPECT_EQ(canvas.ClipRect(), (TRect{4, 2, 6, 6}));
  canvas.FillRect({0, 0, 10, 10}, RgbColor(255, 0, 0));
  canvas.PopClip();
  EXPECT_EQ(canvas.ClipRect(), (TRect{2, 2, 6, 6}));
  canvas.PopClip();
  EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 10, 10}));
  EXPECT_THROW(canvas.PopClip(), EInvalidOperation);
  painter.end();

  EXPECT_EQ(target.pixelColor(4, 2), QColor(255, 0, 0));
  EXPECT_EQ(target.pixelColor(5, 5), QColor(255, 0, 0));
  EXPECT_EQ(target.pixelColor(3, 3), kBlue);
  EXPECT_EQ(target.pixelColor(6, 5), kBlue);
}

TEST(QtCanvasTest, DrawsTextBelowAndRightOfItsOrigin) {
  QImage target(60, 40, QImage::Format_ARGB32_Premultiplied);
  target.fill(Qt::white);
  QPainter painter(&target);
  QFont font = painter.font();
  font.setPixelSize(12);
  painter.setFont(font);
  TQtCanvas canvas(painter);
  const int height = canvas.TextHeight(u"");
  canvas.DrawText(5, 10, u"MW", RgbColor(0, 0, 0));
  painter.end();

  QRect ink;
  for (int y = 0; y < target.height(); ++y)
    for (int x = 0; x < target.width(); ++x)
      if (target.pixelColor(x, y) != QColor(Qt::white)) ink |= QRect(x, y, 1, 1);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 5);
  EXPECT_GE(ink.top(), 10);
  EXPECT_LT(ink.top(), 10 + height / 2);
  EXPECT_LT(ink.bottom(), 10 + height);
}
