#include "platform/bitmap.h"

#include <algorithm>
#include <string>

#include "base/errors.h"
#include "platform/stream.h"

SW_CLASS_DEFINE(TBitmap32, TObject)

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint16_t kBitsPerPixel = 24;

void AppendUint16(std::string& out, uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

void AppendUint32(std::string& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(value >> shift));
}

// Three bytes per pixel, rounded up to whole 32-bit words.
uint32_t BmpRowSize(int width) { return (static_cast<uint32_t>(width) * 3 + 3) & ~3u; }

void AppendHeaders(std::string& out, int width, int height) {
  const uint32_t imageSize = BmpRowSize(width) * static_cast<uint32_t>(height);
  const uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;
  // BITMAPFILEHEADER
  out += "BM";
  AppendUint32(out, dataOffset + imageSize);
  AppendUint16(out, 0);
  AppendUint16(out, 0);
  AppendUint32(out, dataOffset);
  // BITMAPINFOHEADER; a positive height means the rows are stored bottom-up.
  AppendUint32(out, kInfoHeaderSize);
  AppendUint32(out, static_cast<uint32_t>(width));
  AppendUint32(out, static_cast<uint32_t>(height));
  AppendUint16(out, 1);  // planes
  AppendUint16(out, kBitsPerPixel);
  AppendUint32(out, 0);  // BI_RGB: uncompressed
  AppendUint32(out, imageSize);
  AppendUint32(out, 0);  // horizontal resolution: unspecified
  AppendUint32(out, 0);  // vertical resolution: unspecified
  AppendUint32(out, 0);  // no palette
  AppendUint32(out, 0);  // every colour important
}

}  // namespace

void TBitmap32::SetSize(int width, int height) {
  if (width < 0 || height < 0 || int64_t{width} * height > kMaxPixels)
    Raise<EInvalidArgument>(u"Invalid bitmap size %d x %d", {width, height});
  pixels_.assign(static_cast<size_t>(width) * height, 0);
  width_ = width;
  height_ = height;
}

TColor TBitmap32::Pixel(int x, int y) const {
  return BoundsRect().Contains(x, y) ? pixels_[Index(x, y)] : kOutside;
}

void TBitmap32::SetPixel(int x, int y, TColor color) {
  if (BoundsRect().Contains(x, y)) pixels_[Index(x, y)] = color;
}

void TBitmap32::FillRect(const TRect& rect, TColor color) {
  const TRect inside = TRect::Intersection(rect, BoundsRect());
  for (int y = inside.Top; y < inside.Bottom; ++y) {
    auto row = pixels_.begin() + static_cast<ptrdiff_t>(Index(0, y));
    std::fill(row + inside.Left, row + inside.Right, color);
  }
}

void TBitmap32::SaveToStream(TStream& stream) const {
  const uint32_t rowSize = BmpRowSize(width_);
  std::string file;
  file.reserve(kFileHeaderSize + kInfoHeaderSize + rowSize * static_cast<size_t>(height_));
  AppendHeaders(file, width_, height_);
  for (int y = height_ - 1; y >= 0; --y) {
    const size_t rowStart = file.size();
    for (int x = 0; x < width_; ++x) {
      const TColor color = pixels_[Index(x, y)];
      file.push_back(static_cast<char>(BlueOf(color)));
      file.push_back(static_cast<char>(GreenOf(color)));
      file.push_back(static_cast<char>(RedOf(color)));
    }
    file.resize(rowStart + rowSize, '\0');
  }
  stream.Write(file.data(), file.size());
}
