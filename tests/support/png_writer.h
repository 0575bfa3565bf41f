#pragma once
// Encodes small PNG files with libpng's writer, so decoder tests build exactly the files they need.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TTestPng {
  int Width = 1;
  int Height = 1;
  int ColorType = 6;  // as in the PNG header: 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
  int BitDepth = 8;
  bool Interlaced = false;
  // One value per channel per pixel, row by row; palette images hold indices.
  std::vector<uint16_t> Samples;
  std::vector<std::array<uint8_t, 3>> Palette;
  std::vector<uint8_t> PaletteAlpha;  // tRNS of a palette image
  // tRNS of a grey (first value only) or RGB image, at the image's bit depth.
  std::optional<std::array<uint16_t, 3>> TransparentColor;
};

std::string EncodePng(const TTestPng& image);

// The signature and a valid IHDR (with its CRC) of an 8-bit RGBA image, and nothing more.
std::string EncodePngHeader(uint32_t width, uint32_t height);
