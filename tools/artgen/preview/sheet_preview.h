#pragma once
// A contact sheet: every image of a folder (or those whose name starts with a prefix) on a
// checkerboard, labelled with its name, so that the whole art set can be looked over at once.
#include <filesystem>
#include <memory>
#include <string>

class TPngImage;

namespace artgen {

std::unique_ptr<TPngImage> PreviewSheet(const std::filesystem::path& imagesDir, int scale,
                                        const std::string& prefix);

}  // namespace artgen
