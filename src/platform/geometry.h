#pragma once
// Small value types of 2-D drawing: points, rectangles and colours.
#include <algorithm>
#include <cstdint>

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Left and top are inside the rectangle, right and bottom are not; a rectangle whose right is
// not past its left (or bottom past its top) holds no pixel.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  bool Contains(TPoint point) const { return Contains(point.X, point.Y); }
  // True when the two share at least one pixel.
  bool Intersects(const TRect& other) const { return !Intersection(*this, other).IsEmpty(); }

  // The pixels both hold; an empty rectangle when they share none.
  static TRect Intersection(const TRect& a, const TRect& b) {
    const TRect common{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                       std::min(a.Bottom, b.Bottom)};
    return common.IsEmpty() ? TRect{} : common;
  }

  friend bool operator==(const TRect&, const TRect&) = default;
};

// The rectangle of the given size with its top-left corner at (left, top).
constexpr TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

// A colour as 0x00BBGGRR: red in the lowest byte. Click colours use all 24 bits as a number.
using TColor = uint32_t;

constexpr TColor RgbColor(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<TColor>(red) | static_cast<TColor>(green) << 8 |
         static_cast<TColor>(blue) << 16;
}
constexpr uint8_t RedOf(TColor color) { return static_cast<uint8_t>(color); }
constexpr uint8_t GreenOf(TColor color) { return static_cast<uint8_t>(color >> 8); }
constexpr uint8_t BlueOf(TColor color) { return static_cast<uint8_t>(color >> 16); }
