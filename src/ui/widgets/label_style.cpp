#include "ui/widgets/label_style.h"

#include <QWidget>

#include "ui/widgets/shadow_label.h"

void ApplyLabelStyle(QWidget& label, const TLabelStyle& style) {
  QFont font = label.font();
  if (style.Family[0] != '\0') font.setFamily(QString::fromLatin1(style.Family));
  if (style.PixelSize > 0) font.setPixelSize(style.PixelSize);
  font.setBold(style.Bold);
  font.setItalic(style.Italic);
  label.setFont(font);
  if (!style.Color.isValid()) return;
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, style.Color);
  label.setPalette(palette);
}

template <class T>
T* NewStyledLabel(QWidget* parent, QPoint at, const TLabelStyle& style, int rightAlignedWidth) {
  auto* label = new T(parent);
  ApplyLabelStyle(*label, style);
  label->move(at);
  if (rightAlignedWidth > 0) {
    label->SetAutoSize(false);
    label->SetAlignment(Qt::AlignRight | Qt::AlignTop);
    label->resize(rightAlignedWidth, label->sizeHint().height());
  }
  return label;
}

template TLabelW* NewStyledLabel<TLabelW>(QWidget*, QPoint, const TLabelStyle&, int);
template TShadowLabel* NewStyledLabel<TShadowLabel>(QWidget*, QPoint, const TLabelStyle&, int);
