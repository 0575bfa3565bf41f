#pragma once
// A rich text box that paints a picture behind its text: the picture centred in the visible
// area (or at its top-left corner), with its alpha, and, when FillWithColor holds, the box's own
// colour (the palette's base colour) where the picture does not lie; without it the parent shows
// there. The picture stays put while the text scrolls. The text stays editable.
#include <QImage>
#include <QTextEdit>

#include "platform/png_image.h"

class TTransparentRichEdit : public QTextEdit {
  Q_OBJECT

 public:
  explicit TTransparentRichEdit(QWidget* parent = nullptr);

  // The box's own copy of the picture; null when it has none.
  const QImage& Background() const { return background_; }
  // Copies the picture; nullptr (or an empty image) removes it.
  void SetBackground(const TPngImage* picture);
  // True by default.
  bool CenterBkg() const { return centerBkg_; }
  void SetCenterBkg(bool center);
  // True by default.
  bool FillWithColor() const { return fillWithColor_; }
  void SetFillWithColor(bool fill);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect PictureRect() const;
  void PaintBackground(QPainter& painter, const QRect& updateRect);

  QImage background_;
  bool centerBkg_ = true;
  bool fillWithColor_ = true;
};
