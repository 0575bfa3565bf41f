#include "support/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <stdexcept>

namespace {

int ChannelsOf(int colorType) {
  switch (colorType) {
    case PNG_COLOR_TYPE_RGB:
      return 3;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
      return 2;
    case PNG_COLOR_TYPE_RGB_ALPHA:
      return 4;
    default:
      return 1;
  }
}

// Packs samples the way PNG stores them: several per byte below 8 bits (first in the high
// bits), one byte at 8, two bytes big-endian at 16.
std::vector<uint8_t> PackRow(const uint16_t* samples, int count, int depth) {
  std::vector<uint8_t> row;
  if (depth == 16) {
    for (int i = 0; i < count; ++i) {
      row.push_back(static_cast<uint8_t>(samples[i] >> 8));
      row.push_back(static_cast<uint8_t>(samples[i]));
    }
    return row;
  }
  row.assign((count * depth + 7) / 8, 0);
  for (int i = 0; i < count; ++i) {
    const int bit = i * depth;
    row[bit / 8] |= static_cast<uint8_t>(samples[i] << (8 - depth - bit % 8));
  }
  return row;
}

struct TWriteState {
  std::string* Out;
  bool Failed;
};

void OnWrite(png_structp png, png_bytep data, size_t length) {
  auto* state = static_cast<TWriteState*>(png_get_io_ptr(png));
  try {
    state->Out->append(reinterpret_cast<const char*>(data), length);
  } catch (...) {
    state->Failed = true;
  }
  if (state->Failed) png_error(png, "Write Error");
}

void OnFlush(png_structp) {}

// Everything libpng reads while writing, prepared before any call that may jump.
struct TPrepared {
  const TTestPng* Image;
  std::vector<png_color> Palette;
  std::vector<png_bytep> Rows;  // empty: header only
};

void DescribeImage(png_structp png, png_infop info, const TPrepared& prepared) {
  const TTestPng& image = *prepared.Image;
  png_set_IHDR(png, info, image.Width, image.Height, image.BitDepth, image.ColorType,
               image.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!prepared.Palette.empty())
    png_set_PLTE(png, info, prepared.Palette.data(), static_cast<int>(prepared.Palette.size()));
  if (!image.PaletteAlpha.empty())
    png_set_tRNS(png, info, image.PaletteAlpha.data(), static_cast<int>(image.PaletteAlpha.size()),
                 nullptr);
  if (image.TransparentColor) {
    const auto& c = *image.TransparentColor;
    png_color_16 color{};
    color.gray = c[0];
    color.red = c[0];
    color.green = c[1];
    color.blue = c[2];
    png_set_tRNS(png, info, nullptr, 0, &color);
  }
}

// libpng's errors jump back here; the rows and the output live in the caller.
bool WritePng(png_structp png, png_infop info, TPrepared& prepared) {
  if (setjmp(png_jmpbuf(png))) return false;
  DescribeImage(png, info, prepared);
  if (prepared.Rows.empty()) {
    png_write_info(png, info);
    png_write_flush(png);
    return true;
  }
  png_set_rows(png, info, prepared.Rows.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  return true;
}

std::string Encode(const TTestPng& image, bool withPixels) {
  TPrepared prepared{&image, {}, {}};
  for (const auto& entry : image.Palette)
    prepared.Palette.push_back({entry[0], entry[1], entry[2]});
  std::vector<std::vector<uint8_t>> packed;
  const int rowSamples = image.Width * ChannelsOf(image.ColorType);
  if (withPixels) {
    if (image.Samples.size() != static_cast<size_t>(rowSamples) * image.Height)
      throw std::invalid_argument("sample count does not match the image size");
    for (int y = 0; y < image.Height; ++y)
      packed.push_back(PackRow(image.Samples.data() + y * rowSamples, rowSamples, image.BitDepth));
    for (auto& row : packed) prepared.Rows.push_back(row.data());
  }
  std::string out;
  TWriteState state{&out, false};
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &state, OnWrite, OnFlush);
  const bool written = WritePng(png, info, prepared);
  png_destroy_write_struct(&png, &info);
  if (!written) throw std::runtime_error("libpng could not write the test image");
  return out;
}

}  // namespace

std::string EncodePng(const TTestPng& image) { return Encode(image, true); }

std::string EncodePngHeader(uint32_t width, uint32_t height) {
  TTestPng header;
  header.Width = static_cast<int>(width);
  header.Height = static_cast<int>(height);
  return Encode(header, false);
}
