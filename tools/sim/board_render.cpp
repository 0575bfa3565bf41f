#include "sim/board_render.h"

#include <memory>

#include "map/sw_map.h"
#include "platform/file_stream.h"
#include "platform/png_image.h"
#include "platform/png_writer.h"
#include "platform/raster_canvas.h"

namespace {

// The board lies over the window's sky; a plain light blue stands in for it.
constexpr TColor kBackground = RgbColor(0x8C, 0xB8, 0xE0);

}  // namespace

void RenderBoard(TSWMap& map, const WideString& fileName) {
  const TClickMap& clickMap = map.ClickMap();
  std::unique_ptr<TPngImage> picture =
      TPngImage::Blank(clickMap.Width(), clickMap.Height(), TPngImage::kColorRgba, 8);
  TRasterCanvas canvas(*picture);
  canvas.FillRect(clickMap.BoundsRect(), kBackground);
  map.Paint(canvas);
  TFileStreamW file(fileName, TFileMode::Create);
  SavePng(*picture, file);
}
