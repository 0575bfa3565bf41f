#include "map/click_map.h"

#include <algorithm>

#include "platform/bitmap.h"
#include "platform/png_image.h"

namespace {

int FloorDiv(int value, int divisor) {
  return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

int CeilDiv(int value, int divisor) { return -FloorDiv(-value, divisor); }

struct TIndexRange {
  int First;
  int Last;
};

// The indices i of 0 .. count - 1 whose item, placed at start + pitch x i and `extent` long,
// can cover `value`. When the pitch does not grow every index is a candidate.
TIndexRange Reaching(int value, int start, int pitch, int extent, int count) {
  if (pitch <= 0) return {0, count - 1};
  return {std::max(0, CeilDiv(value - extent + 1 - start, pitch)),
          std::min(count - 1, FloorDiv(value - start, pitch))};
}

bool HasAlphaChannel(const TPngImage& image) {
  return image.ColorType() == TPngImage::kColorRgba ||
         image.ColorType() == TPngImage::kColorGrayAlpha;
}

}  // namespace

void TClickMap::Layout(const TClickMapLayout& layout, const TPngImage* shape) {
  layout_ = layout;
  const TSWMapGeometry& g = layout_.Geometry;
  const int lastX = layout_.CellsX - 1;
  const int lastY = layout_.CellsY - 1;
  width_ = Position(lastX, 0).X + g.CellWidth + 2 * g.CellSpacingX + g.MarginX;
  height_ = Position(lastX, lastY).Y + g.CellHeight + 2 * g.CellSpacingY + g.MarginY;
  const bool marks = shape != nullptr && HasAlphaChannel(*shape);
  shapeWidth_ = marks ? shape->Width() : 0;
  shapeHeight_ = marks ? shape->Height() : 0;
  mask_.assign(static_cast<size_t>(shapeWidth_) * shapeHeight_, 0);
  mask_.shrink_to_fit();
  for (int row = 0; row < shapeHeight_; ++row) {
    const uint8_t* rgba = shape->Row(row);
    for (int col = 0; col < shapeWidth_; ++col)
      mask_[static_cast<size_t>(row) * shapeWidth_ + col] = rgba[col * 4 + 3] != 0;
  }
}

TPoint TClickMap::Position(int x, int y) const {
  return CellPositionOn(layout_.Geometry, layout_.CellsY, x, y);
}

TColor TClickMap::ColorOf(TCellAt cell) const {
  return ClickColorOf(cell.X, cell.Y, layout_.DebugColors);
}

TColor TClickMap::Pixel(int x, int y) const {
  if (!BoundsRect().Contains(x, y)) return kOutside;
  if (const std::optional<TCellAt> cell = ShapeCellAt(x, y)) return ColorOf(*cell);
  if (const std::optional<TCellAt> cell = StripCellAt(x, y)) return ColorOf(*cell);
  return 0;
}

// Of the cells whose shape covers the pixel, the one stamped last: the greatest column, and in
// it the greatest row.
std::optional<TClickMap::TCellAt> TClickMap::ShapeCellAt(int x, int y) const {
  const TSWMapGeometry& g = layout_.Geometry;
  std::optional<TCellAt> last;
  const TIndexRange rows =
      Reaching(y, g.MarginY, g.CellHeight + g.CellSpacingY, shapeHeight_, layout_.CellsY);
  for (int cellY = rows.First; cellY <= rows.Last; ++cellY) {
    const TPoint rowStart = Position(0, cellY);
    const TIndexRange columns =
        Reaching(x, rowStart.X, g.CellWidth + g.CellSpacingX, shapeWidth_, layout_.CellsX);
    for (int cellX = columns.Last; cellX >= columns.First; --cellX) {
      if (last && (cellX < last->X || (cellX == last->X && cellY < last->Y))) break;
      const TPoint p = Position(cellX, cellY);
      const int col = x - p.X;
      const int row = y - p.Y;
      if (col >= 0 && col < shapeWidth_ && row >= 0 && row < shapeHeight_ && Opaque(col, row)) {
        last = TCellAt{cellX, cellY};
        break;
      }
    }
  }
  return last;
}

// The strip laid last over the pixel: the row strips come after the top and bottom strips, the
// right strip of a row after its left one, and the bottom strip of a column after its top one.
std::optional<TClickMap::TCellAt> TClickMap::StripCellAt(int x, int y) const {
  const TSWMapGeometry& g = layout_.Geometry;
  const int lastX = layout_.CellsX - 1;
  const int lastY = layout_.CellsY - 1;
  if (const std::optional<int> row = RowStripAt(y)) {
    if (x >= Position(lastX, *row).X) return TCellAt{lastX, *row};
    if (x < Position(0, *row).X + g.CellWidth) return TCellAt{0, *row};
  }
  // Column c lays its top strip as the 2c-th and its bottom strip as the (2c + 1)-th.
  const int bottomTop = Position(lastX, lastY).Y + g.CellHeight;
  std::optional<int> top;
  std::optional<int> bottom;
  if (y < g.MarginY) top = EdgeStripColumn(x, Position(0, 0).X + g.CellSpacingX);
  if (y >= bottomTop && y < bottomTop + g.MarginY)
    bottom = EdgeStripColumn(x, Position(0, lastY).X);
  if (bottom && (!top || 2 * *bottom + 1 > 2 * *top)) return TCellAt{*bottom, lastY};
  if (top) return TCellAt{*top, 0};
  return std::nullopt;
}

// Row strips reach from a row's top to the next row's top, the last one to the map's bottom.
std::optional<int> TClickMap::RowStripAt(int y) const {
  const int lastY = layout_.CellsY - 1;
  if (y >= Position(0, lastY).Y) return lastY;
  const int pitch = layout_.Geometry.CellHeight + layout_.Geometry.CellSpacingY;
  if (pitch > 0 && y >= layout_.Geometry.MarginY)
    return FloorDiv(y - layout_.Geometry.MarginY, pitch);
  return std::nullopt;
}

// The column whose top or bottom strip holds x: strip c reaches from `left` + c x pitch (0 for
// the first) to where the next one starts (the map's right edge for the last).
std::optional<int> TClickMap::EdgeStripColumn(int x, int left) const {
  const int lastX = layout_.CellsX - 1;
  const int pitch = layout_.Geometry.CellWidth + layout_.Geometry.CellSpacingX;
  if (lastX == 0 || x >= left + pitch * lastX) return lastX;
  if (pitch > 0) return std::max(0, FloorDiv(x - left, pitch));
  if (x < left + pitch) return 0;
  return std::nullopt;
}

void TClickMap::PaintTo(TBitmap32& bitmap) const {
  bitmap.SetSize(width_, height_);
  PaintStrips(bitmap);
  PaintShapes(bitmap);
}

void TClickMap::PaintStrips(TBitmap32& bitmap) const {
  const TSWMapGeometry& g = layout_.Geometry;
  const int lastX = layout_.CellsX - 1;
  const int lastY = layout_.CellsY - 1;
  const int bottomTop = Position(lastX, lastY).Y + g.CellHeight;
  for (int x = 0; x <= lastX; ++x) {
    const TRect top{x == 0 ? 0 : Position(x, 0).X + g.CellSpacingX, 0,
                    x == lastX ? width_ : Position(x + 1, 0).X + g.CellSpacingX, g.MarginY};
    bitmap.FillRect(top, ColorOf({x, 0}));
    const TRect bottom{x == 0 ? 0 : Position(x, lastY).X, bottomTop,
                       x == lastX ? width_ : Position(x + 1, lastY).X, bottomTop + g.MarginY};
    bitmap.FillRect(bottom, ColorOf({x, lastY}));
  }
  for (int y = 0; y <= lastY; ++y) {
    const int top = Position(0, y).Y;
    const int bottom = y == lastY ? height_ : Position(0, y + 1).Y;
    // To where the cell's slanted shape begins (a row is CellWidth left of the one above), so
    // no pixel between the strip and the shape is left without a cell.
    bitmap.FillRect({0, top, Position(0, y).X + g.CellWidth, bottom}, ColorOf({0, y}));
    bitmap.FillRect({Position(lastX, y).X, top, width_, bottom}, ColorOf({lastX, y}));
  }
}

void TClickMap::PaintShapes(TBitmap32& bitmap) const {
  for (int x = 0; x < layout_.CellsX; ++x)
    for (int y = 0; y < layout_.CellsY; ++y) {
      const TPoint p = Position(x, y);
      const TColor color = ColorOf({x, y});
      for (int row = 0; row < shapeHeight_; ++row)
        for (int col = 0; col < shapeWidth_; ++col)
          if (Opaque(col, row)) bitmap.SetPixel(p.X + col, p.Y + row, color);
    }
}
