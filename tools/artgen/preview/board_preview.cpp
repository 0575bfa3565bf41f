#include "preview/board_preview.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "art/board/cell_geometry.h"
#include "platform/raster_canvas.h"
#include "preview/board_scene.h"
#include "preview/image_folder.h"

namespace artgen {

namespace {

constexpr int kCells = 10;

TPoint Position(int x, int y) {
  const TVec p = CellPosition(x, y, kCells);
  return {static_cast<int>(p.x), static_cast<int>(p.y)};
}

// Where an object's image goes: cell states and slot objects are centred in the free width
// (side-by-side objects at 1/3 and 2/3) and vertically centred; shadows and light are put at
// their offset exactly.
TPoint ObjectPosition(const TSceneObject& object, TPoint cell, const TPngImage& image,
                      const TPngImage& cellImage) {
  const TKindLook& look = object.look;
  if (look.exact) return {cell.X + look.paintDX, cell.Y + look.paintDY};
  const double free = cellImage.Width() - image.Width();
  const int left = static_cast<int>(std::nearbyint(free / (object.count + 1) * (object.index + 1)));
  const int top = (cellImage.Height() - image.Height()) / 2;
  return {cell.X + look.paintDX + left, cell.Y + look.paintDY + top};
}

class TBoardPainter {
 public:
  TBoardPainter(TImageFolder& folder, TRasterCanvas& canvas) : folder_(folder), canvas_(canvas) {}

  void PaintSky(int width, int height) {
    const TPngImage& sky = folder_.Image("background");
    const int top = (height - sky.Height()) / 2;
    for (int x = 0; x < width; x += sky.Width()) canvas_.DrawImage(x, top, sky);
  }

  void PaintCell(const TSceneCell& cell, int x, int y) {
    const TPoint p = Position(x, y);
    canvas_.DrawImage(p.X, p.Y, folder_.Image(cell.image));
    for (const std::string& overlay : cell.overlays)
      canvas_.DrawImage(p.X, p.Y, folder_.Image(overlay));
    std::vector<TSceneObject> objects = cell.objects;
    std::stable_sort(objects.begin(), objects.end(),
                     [](const auto& a, const auto& b) { return a.look.order < b.look.order; });
    for (const TSceneObject& object : objects) {
      const TPngImage& image = folder_.Image("objects/" + object.image);
      const TPoint at = ObjectPosition(object, p, image, folder_.Image("cell"));
      canvas_.DrawImage(at.X, at.Y, image);
    }
    if (x == kCells - 1)
      canvas_.DrawImage(p.X + kColumnStep, p.Y - 1, folder_.Image("board right"));
    if (y == kCells - 1) canvas_.DrawImage(p.X, p.Y + kCellHeight, folder_.Image("board bottom"));
    if (cell.null) canvas_.DrawImage(p.X, p.Y, folder_.Image("cell null"));
  }

 private:
  TImageFolder& folder_;
  TRasterCanvas& canvas_;
};

}  // namespace

std::unique_ptr<TPngImage> PreviewBoard(const std::filesystem::path& imagesDir, int scale) {
  TImageFolder folder(imagesDir);
  // The click map's size for this board, plus room below for the board's earth sides.
  const int width = Position(kCells - 1, 0).X + kCellWidth + 2 * kCellSpacingX + kMarginX;
  const int height = Position(kCells - 1, kCells - 1).Y + kCellHeight + kMarginY + kBoardThickness;
  auto board = TPngImage::Blank(width, height, TPngImage::kColorRgba, 8);
  TRasterCanvas canvas(*board);
  TBoardPainter painter(folder, canvas);
  painter.PaintSky(width, height);
  const TBoardScene scene = SampleScene(kCells);
  for (int y = 0; y < kCells; ++y) {
    for (int x = 0; x < kCells; ++x) painter.PaintCell(scene.At(x, y), x, y);
  }
  return scale > 1 ? Enlarged(*board, scale) : std::move(board);
}

}  // namespace artgen
