#pragma once
// The design values of the info panels' labels: a font by family, pixel size and style, a text
// colour, and a place. A label with a width keeps that width and aligns its text to the right
// edge (the numbers and owner names line up there); one without sizes itself to its text.
#include <QColor>
#include <QPoint>

class QWidget;
class TLabelW;

struct TLabelStyle {
  // Empty: the parent's family.
  const char* Family = "";
  // 0: the parent's size.
  int PixelSize = 0;
  bool Bold = false;
  bool Italic = false;
  // Invalid: the palette's text colour.
  QColor Color;
};

// Gives `label` the style's font and colour.
void ApplyLabelStyle(QWidget& label, const TLabelStyle& style);

// A TLabel-like label (T is TLabelW or a kind of it) in `parent` at `at`, styled, one line high.
template <class T = TLabelW>
T* NewStyledLabel(QWidget* parent, QPoint at, const TLabelStyle& style, int rightAlignedWidth = 0);
