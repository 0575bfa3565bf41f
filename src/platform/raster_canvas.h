#pragma once
// A canvas that draws into an RGBA image, for rendering without a window (pictures of the
// board, tests). Images blend over the target by their alpha; text uses the built-in font.
#include <vector>

#include "platform/canvas.h"

class TPngImage;

class TRasterCanvas : public TCanvas {
 public:
  // Draws into `target`, which must outlive the canvas and keep its size meanwhile; the clip
  // starts as its whole area.
  explicit TRasterCanvas(TPngImage& target);

  void DrawImage(int x, int y, const TPngImage& image) override;
  void FillRect(const TRect& rect, TColor color) override;
  void DrawText(int x, int y, const WideString& text, TColor color) override;
  int TextWidth(const WideString& text) const override;
  int TextHeight(const WideString& text) const override;

  TRect ClipRect() const override { return clip_; }
  bool PushClipRect(const TRect& rect) override;
  // Fails with "PopClip without a matching PushClipRect" (EInvalidOperation).
  void PopClip() override;

 private:
  TPngImage& target_;
  TRect clip_;
  std::vector<TRect> savedClips_;
};
