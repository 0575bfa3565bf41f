#pragma once
// An off-screen bitmap whose pixels read back exactly what was written, all 32 bits of them:
// the map's click map stores a cell number in every pixel.
#include <cstdint>
#include <mutex>
#include <vector>

#include "base/tobject.h"
#include "platform/geometry.h"

class TStream;

class TBitmap32 : public TObject {
  SW_CLASS(TBitmap32)

  // What Pixel answers for a point outside the bitmap.
  static constexpr TColor kOutside = 0xFFFFFFFF;
  // Larger bitmaps are refused before their pixels are allocated (1 GiB of pixels).
  static constexpr int64_t kMaxPixels = int64_t{1} << 28;

  TBitmap32() = default;

  // Every pixel becomes 0. A negative side, or more than kMaxPixels pixels, fails with
  // "Invalid bitmap size %d x %d" (EInvalidArgument) and leaves the bitmap as it was.
  void SetSize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  TRect BoundsRect() const { return {0, 0, width_, height_}; }

  // kOutside for a point outside the bitmap.
  TColor Pixel(int x, int y) const;
  // A point outside the bitmap is ignored.
  void SetPixel(int x, int y, TColor color);
  // Only the part of the rectangle inside the bitmap is filled.
  void FillRect(const TRect& rect, TColor color);

  // Held by whoever redraws the whole bitmap, so that no one else draws on it meanwhile.
  [[nodiscard]] std::unique_lock<std::mutex> LockCanvas() {
    return std::unique_lock<std::mutex>(canvasLock_);
  }

  // Writes a Windows BMP file: 24 bits per pixel, rows bottom-up and padded to 4 bytes, each
  // pixel as the bytes blue, green, red (its top byte is not stored). A failing stream's error
  // passes through.
  void SaveToStream(TStream& stream) const;

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_ = 0;
  int height_ = 0;
  std::vector<TColor> pixels_;
  std::mutex canvasLock_;
};
