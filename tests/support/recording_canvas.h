#pragma once
// A canvas that draws nothing and records every call in order, so tests can assert what was
// drawn where, in which order and under which clip.
#include <iosfwd>
#include <vector>

#include "platform/canvas.h"
#include "platform/fixed_font.h"

class TPngImage;

enum class TCanvasCall { DrawImage, FillRect, DrawText, PushClip, PopClip };

struct TCanvasRecord {
  TCanvasCall Kind = TCanvasCall::DrawImage;
  TPoint Position{};                 // DrawImage, DrawText
  const TPngImage* Image = nullptr;  // DrawImage
  TRect Rect{};                      // FillRect; PushClip: the rectangle asked for
  TColor Color = 0;                  // FillRect, DrawText
  WideString Text{};                 // DrawText
  // The clip in force for a drawing; for a push or a pop, the clip it left in force.
  TRect Clip{};
};

// One DrawImage call: which image, and its top-left corner.
struct TDrawnImage {
  const TPngImage* Image = nullptr;
  int X = 0;
  int Y = 0;
  friend bool operator==(const TDrawnImage&, const TDrawnImage&) = default;
};
// Lets GoogleTest show a mismatch readably.
void PrintTo(const TDrawnImage& drawn, std::ostream* out);

class TRecordingCanvas : public TCanvas {
 public:
  // Text measures like the built-in fixed font.
  static constexpr int kCharWidth = FixedFont::kCellWidth;
  static constexpr int kLineHeight = FixedFont::kCellHeight;

  // `surface` is the clip while nothing narrows it.
  explicit TRecordingCanvas(const TRect& surface = {0, 0, 4096, 4096}) : clip_(surface) {}

  void DrawImage(int x, int y, const TPngImage& image) override;
  void FillRect(const TRect& rect, TColor color) override;
  void DrawText(int x, int y, const WideString& text, TColor color) override;
  int TextWidth(const WideString& text) const override;
  int TextHeight(const WideString&) const override { return kLineHeight; }

  TRect ClipRect() const override { return clip_; }
  // Refused (false, nothing recorded) while clipping is switched off.
  bool PushClipRect(const TRect& rect) override;
  // Fails the running test when no push is open.
  void PopClip() override;

  // Lets tests play a surface that cannot clip.
  void SetClipSupported(bool supported) { clipSupported_ = supported; }
  // Pushes not yet popped.
  int ClipDepth() const { return static_cast<int>(savedClips_.size()); }

  const std::vector<TCanvasRecord>& Records() const { return records_; }
  std::vector<TDrawnImage> DrawnImages() const;
  // Forgets the records; the clip stays as it is.
  void Clear() { records_.clear(); }

 private:
  TRect clip_;
  std::vector<TRect> savedClips_;
  bool clipSupported_ = true;
  std::vector<TCanvasRecord> records_;
};
