#include "preview/sheet_preview.h"

#include <algorithm>

#include "base/utf8.h"
#include "platform/fixed_font.h"
#include "platform/raster_canvas.h"
#include "preview/image_folder.h"

namespace artgen {

namespace {

constexpr int kSheetWidth = 640;
constexpr int kGap = 8;
constexpr int kLabelHeight = FixedFont::kCellHeight + 2;

struct TTile {
  std::string name;
  int x, y;
};

int TileWidth(const std::string& name, const TPngImage& image) {
  return std::max(image.Width(), static_cast<int>(name.size()) * FixedFont::kCellWidth);
}

void DrawChecker(TRasterCanvas& canvas, const TRect& area) {
  for (int y = area.Top; y < area.Bottom; y += 4) {
    for (int x = area.Left; x < area.Right; x += 4) {
      const bool dark = ((x - area.Left) / 4 + (y - area.Top) / 4) % 2 != 0;
      canvas.FillRect(TRect::Intersection({x, y, x + 4, y + 4}, area),
                      dark ? RgbColor(150, 156, 166) : RgbColor(174, 180, 190));
    }
  }
}

}  // namespace

std::unique_ptr<TPngImage> PreviewSheet(const std::filesystem::path& imagesDir, int scale,
                                        const std::string& prefix) {
  TImageFolder folder(imagesDir);
  std::vector<TTile> tiles;
  int x = kGap, y = kGap, rowHeight = 0;
  for (const std::string& name : folder.Names(prefix)) {
    const TPngImage& image = folder.Image(name);
    const int width = TileWidth(name, image);
    if (x + width > kSheetWidth && x > kGap) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    tiles.push_back({name, x, y});
    x += width + kGap;
    rowHeight = std::max(rowHeight, image.Height() + kLabelHeight);
  }
  auto sheet = TPngImage::Blank(kSheetWidth, y + rowHeight + kGap, TPngImage::kColorRgba, 8);
  TRasterCanvas canvas(*sheet);
  canvas.FillRect({0, 0, sheet->Width(), sheet->Height()}, RgbColor(90, 96, 110));
  for (const TTile& tile : tiles) {
    const TPngImage& image = folder.Image(tile.name);
    DrawChecker(canvas, Bounds(tile.x, tile.y, image.Width(), image.Height()));
    canvas.DrawImage(tile.x, tile.y, image);
    canvas.DrawText(tile.x, tile.y + image.Height() + 2, Utf8Decode(tile.name),
                    RgbColor(255, 255, 255));
  }
  return scale > 1 ? Enlarged(*sheet, scale) : std::move(sheet);
}

}  // namespace artgen
