#include "ui/widgets/transparent_rich_edit.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/platform/png_qimage.h"

TTransparentRichEdit::TTransparentRichEdit(QWidget* parent) : QTextEdit(parent) {
  // The background is this box's to paint, behind the text.
  viewport()->setAutoFillBackground(false);
}

void TTransparentRichEdit::SetBackground(const TPngImage* picture) {
  background_ = picture == nullptr ? QImage() : ToQImage(*picture);
  viewport()->update();
}

void TTransparentRichEdit::SetCenterBkg(bool center) {
  centerBkg_ = center;
  viewport()->update();
}

void TTransparentRichEdit::SetFillWithColor(bool fill) {
  fillWithColor_ = fill;
  viewport()->update();
}

QRect TTransparentRichEdit::PictureRect() const {
  if (!centerBkg_) return QRect(QPoint(0, 0), background_.size());
  // Integer division truncates toward zero, also for a picture larger than the box.
  const QSize client = viewport()->size();
  const QPoint topLeft((client.width() - background_.width()) / 2,
                       (client.height() - background_.height()) / 2);
  return QRect(topLeft, background_.size());
}

void TTransparentRichEdit::PaintBackground(QPainter& painter, const QRect& updateRect) {
  const QRect picture = PictureRect();
  if (fillWithColor_) {
    // The picture's own area is left to the picture.
    painter.setClipRegion(QRegion(updateRect).xored(QRegion(picture)));
    painter.fillRect(updateRect.adjusted(-1, -1, 1, 1), palette().color(QPalette::Base));
    painter.setClipping(false);
  }
  if (!background_.isNull()) painter.drawImage(picture.topLeft(), background_);
}

void TTransparentRichEdit::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(viewport());
    PaintBackground(painter, event->rect());
  }
  QTextEdit::paintEvent(event);
}
