#include "draw/png_files.h"

#include "base/utf8.h"
#include "draw/art_canvas.h"
#include "platform/file_stream.h"
#include "platform/png_image.h"
#include "platform/png_writer.h"

namespace artgen {

namespace {
WideString WideName(const std::filesystem::path& path) { return Utf8Decode(path.string()); }
}  // namespace

void SavePngFile(const TPngImage& image, const std::filesystem::path& path) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  TFileStreamW stream(WideName(path), TFileMode::Create);
  SavePng(image, stream);
}

void SavePngFile(const TArtCanvas& canvas, const std::filesystem::path& path) {
  SavePngFile(*canvas.ToPngImage(), path);
}

std::unique_ptr<TPngImage> LoadPngFile(const std::filesystem::path& path) {
  TFileStreamW stream(WideName(path), TFileMode::OpenRead);
  auto image = std::make_unique<TPngImage>();
  image->LoadFromStream(stream);
  return image;
}

}  // namespace artgen
