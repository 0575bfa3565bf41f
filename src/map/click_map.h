#pragma once
// The click map: for every pixel of the board, the click colour of the cell under it. The
// margins are strips in the colours of the nearest edge cells, laid first; then every cell, column
// by column, stamps the opaque pixels of the "cell" image in its colour, later cells winning where
// shapes overlap; pixels left over read 0 (no cell).
//
// The picture is never held: a pixel is worked out from the layout and the shape's mask (only
// the few cells whose shape can reach the pixel are looked at), so a 256 x 256 board costs the
// mask, not 4 bytes a pixel. Painting the picture into a bitmap, for saving it, lays it pixel by
// pixel as described above; both give the same colour for every pixel.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "map/map_geometry.h"
#include "platform/geometry.h"

class TBitmap32;
class TPngImage;

// What the click map is laid out for.
struct TClickMapLayout {
  TSWMapGeometry Geometry{0, 0, 0, 0, 0, 0};
  int CellsX = 0;
  int CellsY = 0;
  bool DebugColors = false;
};

class TClickMap {
 public:
  // What Pixel answers for a point outside the map.
  static constexpr TColor kOutside = 0xFFFFFFFF;

  // Lays the map out: its width reaches past the top row's last cell by its hit band
  // (CellWidth + 2 x CellSpacingX) and MarginX, its height past the last row by CellHeight +
  // 2 x CellSpacingY and MarginY. `shape` is the "cell" image; nullptr, or an image without an
  // alpha channel, marks only the margins. The layout needs at least one cell.
  void Layout(const TClickMapLayout& layout, const TPngImage* shape);

  int Width() const { return width_; }
  int Height() const { return height_; }
  TRect BoundsRect() const { return {0, 0, width_, height_}; }

  // The click colour at the pixel, 0 where no cell lies, kOutside outside the map.
  TColor Pixel(int x, int y) const;
  // Sizes `bitmap` to the map and lays the whole picture into it.
  void PaintTo(TBitmap32& bitmap) const;

  // Bytes held beside the object itself: the shape's mask.
  size_t HeapSize() const { return mask_.capacity(); }

 private:
  struct TCellAt {
    int X;
    int Y;
  };

  TPoint Position(int x, int y) const;
  TColor ColorOf(TCellAt cell) const;
  bool Opaque(int col, int row) const {
    return mask_[static_cast<size_t>(row) * shapeWidth_ + col] != 0;
  }
  std::optional<TCellAt> ShapeCellAt(int x, int y) const;
  std::optional<TCellAt> StripCellAt(int x, int y) const;
  std::optional<int> RowStripAt(int y) const;
  std::optional<int> EdgeStripColumn(int x, int left) const;
  void PaintStrips(TBitmap32& bitmap) const;
  void PaintShapes(TBitmap32& bitmap) const;

  TClickMapLayout layout_;
  int width_ = 0;
  int height_ = 0;
  // One byte per pixel of the "cell" image: not 0 where its alpha is not 0.
  int shapeWidth_ = 0;
  int shapeHeight_ = 0;
  std::vector<uint8_t> mask_;
};
