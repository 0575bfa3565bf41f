#pragma once
// Where the cooldown button puts its image and its caption (`CalcButtonLayout`).
#include "platform/geometry.h"

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TButtonLayoutInputs {
  int ClientWidth = 0;
  int ClientHeight = 0;
  int GlyphWidth = 0;  // of the composed image (DrawGlyph)
  int GlyphHeight = 0;
  int TextWidth = 0;  // the caption's extent in the button's font; 0 x 0 when it is empty
  int TextHeight = 0;
  bool HasCaption = false;  // the Spacing counts only beside a caption
  TButtonLayout Layout = TButtonLayout::blGlyphLeft;
  int Spacing = 4;
  bool Down = false;  // down, or being pressed: everything moves by (2, 2)
};

struct TButtonLayoutResult {
  TRect ImageRect;
  TPoint CaptionPos;
  friend bool operator==(const TButtonLayoutResult&, const TButtonLayoutResult&) = default;
};

// Centred as a block (image, spacing, caption) in the layout's direction, every "/ 2" truncated
// toward zero; moved by (2, 2) while the button is down.
TButtonLayoutResult CalcButtonLayout(const TButtonLayoutInputs& inputs);
