#pragma once
// The engine's canvas on a QPainter, for as long as one paint lasts. Images come from the image
// cache; text uses the painter's font; the clip is the painter's clip (a widget's paint sets it
// to the exposed area), or the painter's whole window while none is set.
#include <QPainter>

#include "platform/canvas.h"
#include "ui/platform/qt_image_cache.h"

class TQtCanvas : public TCanvas {
 public:
  // The painter must be active and outlive the canvas; every push is popped before it goes.
  explicit TQtCanvas(QPainter& painter, TQtImageCache& cache = TQtImageCache::Shared());

  void DrawImage(int x, int y, const TPngImage& image) override;
  void FillRect(const TRect& rect, TColor color) override;
  void DrawText(int x, int y, const WideString& text, TColor color) override;
  int TextWidth(const WideString& text) const override;
  int TextHeight(const WideString& text) const override;

  TRect ClipRect() const override;
  bool PushClipRect(const TRect& rect) override;
  // Fails with "PopClip without a matching PushClipRect" (EInvalidOperation).
  void PopClip() override;

 private:
  QPainter& painter_;
  TQtImageCache& cache_;
  int pushedClips_ = 0;
};
