#include "platform/button_layout.h"

TButtonLayoutResult CalcButtonLayout(const TButtonLayoutInputs& in) {
  const int cw = in.ClientWidth;
  const int ch = in.ClientHeight;
  const int gw = in.GlyphWidth;
  const int gh = in.GlyphHeight;
  const int tw = in.TextWidth;
  const int th = in.TextHeight;
  const int s = in.HasCaption ? in.Spacing : 0;
  TPoint image;
  TPoint caption;
  switch (in.Layout) {
    case TButtonLayout::blGlyphLeft:
      image = {(cw - gw - s - tw) / 2, (ch - gh) / 2};
      caption = {image.X + gw + s, image.Y};
      break;
    case TButtonLayout::blGlyphRight:
      image = {(cw + s + gw + tw) / 2 - gw, (ch - gh) / 2};
      caption = {(cw - (s + gw + tw)) / 2, image.Y};
      break;
    case TButtonLayout::blGlyphTop:
      image = {(cw - gw) / 2, (ch - gh - s - th) / 2};
      caption = {(cw - tw) / 2, image.Y + gh + s};
      break;
    case TButtonLayout::blGlyphBottom:
      image = {(cw - gw) / 2, (ch + s + gh + th) / 2 - gh};
      caption = {(cw - tw) / 2, (ch - (s + gh + th)) / 2};
      break;
  }
  if (in.Down) {
    image = {image.X + 2, image.Y + 2};
    caption = {caption.X + 2, caption.Y + 2};
  }
  return {Bounds(image.X, image.Y, gw, gh), caption};
}
