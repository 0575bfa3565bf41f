#pragma once
// A decoded PNG image: 8-bit RGBA pixels with straight (not premultiplied) alpha, plus the colour
// type and bit depth its source declared.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/tobject.h"

class TStream;

struct TRgba {
  uint8_t R = 0;
  uint8_t G = 0;
  uint8_t B = 0;
  uint8_t A = 0;
  friend bool operator==(const TRgba&, const TRgba&) = default;
};

class TPngImage : public TObject {
  SW_CLASS(TPngImage)

  // Neither side of an image may be longer; larger images are refused before their pixels
  // are allocated.
  static constexpr int kMaxSide = 16384;

  // Colour types as the PNG header declares them.
  static constexpr int kColorGray = 0;
  static constexpr int kColorRgb = 2;
  static constexpr int kColorPalette = 3;
  static constexpr int kColorGrayAlpha = 4;
  static constexpr int kColorRgba = 6;

  TPngImage() = default;

  // A fully transparent image (every pixel 0, 0, 0, 0) declaring the given type and depth.
  // A side outside 0 to kMaxSide fails with "Invalid image size %d x %d" (EPngError).
  static std::unique_ptr<TPngImage> Blank(int width, int height, int colorType = kColorRgba,
                                          int bitDepth = 16);

  // Decodes a PNG of any colour type, bit depth and interlacing from the stream's position.
  // Fails with EPngError carrying the decoder's message (a failing stream's own error passes
  // through); the image then stays as it was.
  void LoadFromStream(TStream& stream);

  void Assign(const TPngImage& source);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int ColorType() const { return colorType_; }
  int BitDepth() const { return bitDepth_; }
  bool Empty() const { return pixels_.empty(); }

  // Row y (0 <= y < Height): Width pixels of four bytes R, G, B, A, left to right.
  const uint8_t* Row(int y) const { return pixels_.data() + RowOffset(y); }
  uint8_t* Row(int y) { return pixels_.data() + RowOffset(y); }

  // (x, y) must lie inside the image.
  TRgba Pixel(int x, int y) const;
  void SetPixel(int x, int y, TRgba color);

  // The object and its pixels, in bytes.
  size_t MemorySize() const { return sizeof(TPngImage) + pixels_.capacity(); }

 private:
  size_t RowOffset(int y) const { return static_cast<size_t>(y) * width_ * 4; }

  int width_ = 0;
  int height_ = 0;
  int colorType_ = 0;
  int bitDepth_ = 0;
  std::vector<uint8_t> pixels_;
};
