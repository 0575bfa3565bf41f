#include "ui/platform/qt_canvas.h"

#include <QFontMetrics>

#include "base/errors.h"
#include "ui/platform/qt_geometry.h"
#include "ui/platform/qt_text.h"

TQtCanvas::TQtCanvas(QPainter& painter, TQtImageCache& cache) : painter_(painter), cache_(cache) {}

void TQtCanvas::DrawImage(int x, int y, const TPngImage& image) {
  painter_.drawImage(QPoint(x, y), cache_.Image(image));
}

void TQtCanvas::FillRect(const TRect& rect, TColor color) {
  painter_.fillRect(ToQRect(rect), ToQColor(color));
}

void TQtCanvas::DrawText(int x, int y, const WideString& text, TColor color) {
  painter_.setPen(ToQColor(color));
  painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), ToQString(text));
}

int TQtCanvas::TextWidth(const WideString& text) const {
  return painter_.fontMetrics().horizontalAdvance(ToQString(text));
}

int TQtCanvas::TextHeight(const WideString& /*text*/) const {
  return painter_.fontMetrics().height();
}

TRect TQtCanvas::ClipRect() const {
  const QRect surface = painter_.window();
  if (!painter_.hasClipping()) return ToTRect(surface);
  return ToTRect(painter_.clipBoundingRect().toAlignedRect() & surface);
}

// The painter's saved state holds the clip it replaces, so a pop is one restore.
bool TQtCanvas::PushClipRect(const TRect& rect) {
  painter_.save();
  painter_.setClipRect(ToQRect(rect), Qt::IntersectClip);
  ++pushedClips_;
  return true;
}

void TQtCanvas::PopClip() {
  if (pushedClips_ == 0) Raise<EInvalidOperation>(u"PopClip without a matching PushClipRect");
  painter_.restore();
  --pushedClips_;
}
