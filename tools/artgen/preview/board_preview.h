#pragma once
// A 10 x 10 board composed from a folder of generated images exactly as the map control lays
// it out (cell positions, row order, overlays, objects with their paint offsets and placement,
// board sides), to check by eye that the board looks closed and the objects stand right.
#include <filesystem>
#include <memory>

class TPngImage;

namespace artgen {

std::unique_ptr<TPngImage> PreviewBoard(const std::filesystem::path& imagesDir, int scale);

}  // namespace artgen
