#pragma once
// A label with a shadow: a second copy of the text, offset right and down in the shadow colour,
// drawn behind the text. A disabled label draws only the engraved text, without the shadow.
#include <QColor>
#include <cstdint>

#include "ui/widgets/label_w.h"

class TShadowLabel : public TLabelW {
  Q_OBJECT

 public:
  // The shadow lies 3 pixels right and down, in the palette's light colour.
  explicit TShadowLabel(QWidget* parent = nullptr);

  uint8_t ShadowDistanceX() const { return shadowDistanceX_; }
  void SetShadowDistanceX(uint8_t distance);
  uint8_t ShadowDistanceY() const { return shadowDistanceY_; }
  void SetShadowDistanceY(uint8_t distance);
  const QColor& ShadowColor() const { return shadowColor_; }
  void SetShadowColor(const QColor& color);

 protected:
  void DrawLabelText(QPainter& painter, const QString& text, const QRect& rect, int flags) override;

 private:
  uint8_t shadowDistanceX_ = 3;
  uint8_t shadowDistanceY_ = 3;
  QColor shadowColor_;
};
