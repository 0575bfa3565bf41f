#pragma once
// The drawing surface the engine paints on. The window side implements it on its toolkit's
// painter; tests record the calls or rasterise them into an image.
#include "base/wide_string.h"
#include "platform/geometry.h"

class TPngImage;

class TCanvas {
 public:
  TCanvas() = default;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  virtual ~TCanvas() = default;

  // Draws the image with its top-left corner at (x, y), blended over the surface by its alpha.
  virtual void DrawImage(int x, int y, const TPngImage& image) = 0;
  // Covers the rectangle with the opaque colour.
  virtual void FillRect(const TRect& rect, TColor color) = 0;
  // Draws one line of text with the top-left corner of its first character at (x, y).
  virtual void DrawText(int x, int y, const WideString& text, TColor color) = 0;
  virtual int TextWidth(const WideString& text) const = 0;
  // The line height, also for empty text.
  virtual int TextHeight(const WideString& text) const = 0;

  // The bounding rectangle of the area drawing may reach; the whole surface while no clip
  // narrows it.
  virtual TRect ClipRect() const = 0;
  // Narrows the clip to its intersection with `rect`, remembering the clip it replaces. False,
  // with nothing changed and nothing remembered, when the surface cannot clip.
  virtual bool PushClipRect(const TRect& rect) = 0;
  // Brings back the clip in force before the latest successful PushClipRect.
  virtual void PopClip() = 0;
};

// Clips the canvas to a rectangle for the guard's lifetime and restores the previous clip when
// it goes. When the canvas refuses to clip, Active() is false and nothing is restored.
class TClipGuard {
 public:
  TClipGuard(TCanvas& canvas, const TRect& rect)
      : canvas_(canvas), active_(canvas.PushClipRect(rect)) {}
  ~TClipGuard() {
    if (active_) canvas_.PopClip();
  }
  TClipGuard(const TClipGuard&) = delete;
  TClipGuard& operator=(const TClipGuard&) = delete;

  bool Active() const { return active_; }

 private:
  TCanvas& canvas_;
  const bool active_;
};
