#pragma once
// Reading and writing the generator's pictures as PNG files.
#include <filesystem>
#include <memory>

class TPngImage;

namespace artgen {

class TArtCanvas;

// Writes the picture, creating the missing folders of the path.
void SavePngFile(const TPngImage& image, const std::filesystem::path& path);
void SavePngFile(const TArtCanvas& canvas, const std::filesystem::path& path);

std::unique_ptr<TPngImage> LoadPngFile(const std::filesystem::path& path);

}  // namespace artgen
