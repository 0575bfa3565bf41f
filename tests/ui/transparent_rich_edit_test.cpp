// The picture behind the rich text box's text, and the box's colour around it.
#include "ui/widgets/transparent_rich_edit.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

const QColor kBoxColour(0, 160, 0);

class TransparentRichEditTest : public testing::Test {
 protected:
  TransparentRichEditTest() {
    auto picture = TPngImage::Blank(20, 10, TPngImage::kColorRgba, 8);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 20; ++x) picture->SetPixel(x, y, {255, 0, 0, 255});
    box.SetBackground(picture.get());
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, kBoxColour);
    box.setPalette(palette);
    // The visible area is then the whole box.
    box.setFrameStyle(QFrame::NoFrame);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.resize(100, 50);
  }

  QColor At(int x, int y) { return box.grab().toImage().pixelColor(x, y); }

  TTransparentRichEdit box;
};

TEST_F(TransparentRichEditTest, ThePictureIsCentredOrAtTheCornerWithTheBoxColourAround) {
  EXPECT_EQ(At(40, 20), Qt::red);  // from (40, 20) to (60, 30)
  EXPECT_EQ(At(59, 29), Qt::red);
  EXPECT_EQ(At(39, 20), kBoxColour);
  EXPECT_EQ(At(0, 0), kBoxColour);

  box.SetCenterBkg(false);
  EXPECT_EQ(At(0, 0), Qt::red);
  EXPECT_EQ(At(20, 0), kBoxColour);
  EXPECT_EQ(At(40, 20), kBoxColour);

  box.SetFillWithColor(false);
  EXPECT_NE(At(20, 0), kBoxColour);
  box.SetBackground(nullptr);
  EXPECT_TRUE(box.Background().isNull());
  EXPECT_NE(At(0, 0), Qt::red);
}

}  // namespace
