#pragma once
// Labels with a wide-string caption. They paint only their text (the parent shows through), draw
// "&" as it is, honour line breaks without wrapping, and while auto-sizing take the size of their
// text — an empty caption still measures one line. A disabled label draws the engraved look: the
// text one pixel right and down in the palette's light colour, then in place in its dark colour.
// The text colour is the palette's foreground colour (its font colour).
#include <QWidget>

#include "base/wide_string.h"

class TCustomLabelW : public QWidget {
  Q_OBJECT

 public:
  explicit TCustomLabelW(QWidget* parent = nullptr);

  // On by default. While on, caption and font changes resize the label; a right-aligned label
  // keeps its right edge, any other its left edge.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // Where the text sits in the label, horizontally and vertically; left and top by default.
  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment alignment);

  // The size of the text (of one blank for an empty caption).
  QSize sizeHint() const override;

 protected:
  const WideString& Caption() const { return caption_; }
  void SetCaption(const WideString& caption);

  // Draws the text once in the given rectangle with Qt's text flags.
  virtual void DrawLabelText(QPainter& painter, const QString& text, const QRect& rect, int flags);
  QColor FontColor() const { return palette().color(foregroundRole()); }

  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  int TextFlags() const;
  void AdjustBounds();
  void DrawEngravedText(QPainter& painter, const QString& text, const QRect& rect, int flags);

  WideString caption_;
  bool autoSize_ = true;
  Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
};

// The label whose caption is public.
class TLabelW : public TCustomLabelW {
  Q_OBJECT

 public:
  using TCustomLabelW::Caption;
  using TCustomLabelW::SetCaption;
  using TCustomLabelW::TCustomLabelW;
};
