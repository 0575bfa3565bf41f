#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const TDrawnImage& drawn, std::ostream* out) {
  *out << "{image " << static_cast<const void*>(drawn.Image) << " at " << drawn.X << ", " << drawn.Y
       << "}";
}

void TRecordingCanvas::DrawImage(int x, int y, const TPngImage& image) {
  records_.push_back(
      {.Kind = TCanvasCall::DrawImage, .Position = {x, y}, .Image = &image, .Clip = clip_});
}

void TRecordingCanvas::FillRect(const TRect& rect, TColor color) {
  records_.push_back({.Kind = TCanvasCall::FillRect, .Rect = rect, .Color = color, .Clip = clip_});
}

void TRecordingCanvas::DrawText(int x, int y, const WideString& text, TColor color) {
  records_.push_back({.Kind = TCanvasCall::DrawText,
                      .Position = {x, y},
                      .Color = color,
                      .Text = text,
                      .Clip = clip_});
}

int TRecordingCanvas::TextWidth(const WideString& text) const {
  return static_cast<int>(text.size()) * kCharWidth;
}

bool TRecordingCanvas::PushClipRect(const TRect& rect) {
  if (!clipSupported_) return false;
  savedClips_.push_back(clip_);
  clip_ = TRect::Intersection(clip_, rect);
  records_.push_back({.Kind = TCanvasCall::PushClip, .Rect = rect, .Clip = clip_});
  return true;
}

void TRecordingCanvas::PopClip() {
  if (savedClips_.empty()) {
    ADD_FAILURE() << "PopClip without a matching PushClipRect";
    return;
  }
  clip_ = savedClips_.back();
  savedClips_.pop_back();
  records_.push_back({.Kind = TCanvasCall::PopClip, .Clip = clip_});
}

std::vector<TDrawnImage> TRecordingCanvas::DrawnImages() const {
  std::vector<TDrawnImage> drawn;
  for (const TCanvasRecord& record : records_)
    if (record.Kind == TCanvasCall::DrawImage)
      drawn.push_back({record.Image, record.Position.X, record.Position.Y});
  return drawn;
}
