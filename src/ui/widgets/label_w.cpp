#include "ui/widgets/label_w.h"

#include <QEvent>
#include <QPainter>

#include "ui/platform/qt_text.h"

TCustomLabelW::TCustomLabelW(QWidget* parent) : QWidget(parent) { AdjustBounds(); }

void TCustomLabelW::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustBounds();
}

void TCustomLabelW::SetAlignment(Qt::Alignment alignment) {
  alignment_ = alignment;
  update();
}

void TCustomLabelW::SetCaption(const WideString& caption) {
  caption_ = caption;
  AdjustBounds();
  update();
}

int TCustomLabelW::TextFlags() const { return static_cast<int>(alignment_) | Qt::TextExpandTabs; }

QSize TCustomLabelW::sizeHint() const {
  // An empty text measures no height; a blank gives the label one line.
  const QString measured = caption_.empty() ? QStringLiteral(" ") : ToQString(caption_);
  return fontMetrics().boundingRect(QRect(), TextFlags(), measured).size();
}

void TCustomLabelW::AdjustBounds() {
  updateGeometry();
  if (!autoSize_) return;
  const QSize size = sizeHint();
  const int left = alignment_.testFlag(Qt::AlignRight) ? x() + width() - size.width() : x();
  setGeometry(left, y(), size.width(), size.height());
}

void TCustomLabelW::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) AdjustBounds();
}

void TCustomLabelW::DrawLabelText(QPainter& painter, const QString& text, const QRect& rect,
                                  int flags) {
  painter.setPen(FontColor());
  painter.drawText(rect, flags, text);
}

void TCustomLabelW::DrawEngravedText(QPainter& painter, const QString& text, const QRect& rect,
                                     int flags) {
  painter.setPen(palette().color(QPalette::Light));
  painter.drawText(rect.translated(1, 1), flags, text);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawText(rect, flags, text);
}

void TCustomLabelW::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  const QString text = ToQString(caption_);
  if (isEnabled())
    DrawLabelText(painter, text, rect(), TextFlags());
  else
    DrawEngravedText(painter, text, rect(), TextFlags());
}
