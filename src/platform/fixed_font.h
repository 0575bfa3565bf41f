#pragma once
// A built-in 5 x 7 pixel font for surfaces without a text engine (the raster canvas). Each
// character takes a cell of kCellWidth x kCellHeight pixels; the glyph sits in its top-left.
#include <array>
#include <cstdint>

namespace FixedFont {

constexpr int kCellWidth = 6;
constexpr int kCellHeight = 8;
constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// Seven rows, top first; bit 4 of a row is its leftmost pixel.
using TGlyph = std::array<uint8_t, kGlyphHeight>;

// The glyph of a printable ASCII character; every other code unit shows as a hollow box.
const TGlyph& Glyph(char16_t character);

constexpr bool GlyphPixel(const TGlyph& glyph, int column, int row) {
  return ((glyph[row] >> (kGlyphWidth - 1 - column)) & 1) != 0;
}

}  // namespace FixedFont
