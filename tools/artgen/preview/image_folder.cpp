#include "preview/image_folder.h"

#include <algorithm>
#include <utility>

#include "draw/png_files.h"

namespace artgen {

TImageFolder::TImageFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}

const TPngImage& TImageFolder::Image(const std::string& name) {
  auto& slot = images_[name];
  if (!slot) slot = LoadPngFile(folder_ / (name + ".png"));
  return *slot;
}

std::vector<std::string> TImageFolder::Names(const std::string& prefix) const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".png") continue;
    std::string name =
        entry.path().lexically_relative(folder_).replace_extension().generic_string();
    if (name.rfind(prefix, 0) == 0) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::unique_ptr<TPngImage> Enlarged(const TPngImage& image, int scale) {
  auto large =
      TPngImage::Blank(image.Width() * scale, image.Height() * scale, TPngImage::kColorRgba, 8);
  for (int y = 0; y < large->Height(); ++y) {
    for (int x = 0; x < large->Width(); ++x)
      large->SetPixel(x, y, image.Pixel(x / scale, y / scale));
  }
  return large;
}

}  // namespace artgen
