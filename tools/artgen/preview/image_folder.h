#pragma once
// The generated images of a folder, read once each by their names (as the catalog names them).
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/png_image.h"

namespace artgen {

class TImageFolder {
 public:
  explicit TImageFolder(std::filesystem::path folder);

  // The image "folder/name.png"; fails when it cannot be read.
  const TPngImage& Image(const std::string& name);
  // Names of every .png below the folder starting with `prefix`, in sorted order.
  std::vector<std::string> Names(const std::string& prefix) const;

 private:
  std::filesystem::path folder_;
  std::map<std::string, std::unique_ptr<TPngImage>> images_;
};

// `image` enlarged `scale` times, every pixel becoming a square block.
std::unique_ptr<TPngImage> Enlarged(const TPngImage& image, int scale);

}  // namespace artgen
