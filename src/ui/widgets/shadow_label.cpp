#include "ui/widgets/shadow_label.h"

#include <QPainter>

TShadowLabel::TShadowLabel(QWidget* parent)
    : TLabelW(parent), shadowColor_(palette().color(QPalette::Light)) {}

void TShadowLabel::SetShadowDistanceX(uint8_t distance) {
  shadowDistanceX_ = distance;
  update();
}

void TShadowLabel::SetShadowDistanceY(uint8_t distance) {
  shadowDistanceY_ = distance;
  update();
}

void TShadowLabel::SetShadowColor(const QColor& color) {
  shadowColor_ = color;
  update();
}

void TShadowLabel::DrawLabelText(QPainter& painter, const QString& text, const QRect& rect,
                                 int flags) {
  painter.setPen(shadowColor_);
  painter.drawText(rect.translated(shadowDistanceX_, shadowDistanceY_), flags, text);
  TLabelW::DrawLabelText(painter, text, rect, flags);
}
