#include "map/map_control_fixture.h"

#include <string>

#include "base/errors.h"
#include "game/flower.h"
#include "support/test_player.h"

namespace {

class MapProbe : public TSWFlower {
 public:
  using TSWFlower::TSWFlower;
  static const TClass& StaticClass() {
    static const TClass info{u"TSWFlower_Mapprobe", &TSWFlower::StaticClass()};
    return info;
  }
  const TClass& ClassType() const override { return StaticClass(); }
  WideString GetKind() const override { return u"flower"; }
};

class MapProbeKind : public testing::Environment {
 public:
  void SetUp() override { RegisterFlowerClass<MapProbe>(); }
};

[[maybe_unused]] testing::Environment* const kMapProbeKind =
    testing::AddGlobalTestEnvironment(new MapProbeKind);

// Every image a plain cell may paint besides "cell", each its own item so that a drawing names
// its image.
constexpr const char* kOverlays[] = {"cell non-selectable", "cell border", "cell border selected",
                                     "cell border over",    "board right", "board bottom"};

std::string OverlayPng() {
  TTestPng image;
  image.Samples = {1, 2, 3, 255};
  return EncodePng(image);
}

std::string ShapePng(int (*left)(int row)) {
  TTestPng shape;
  shape.Width = 114;
  shape.Height = 19;
  for (int row = 0; row < shape.Height; ++row)
    for (int col = 0; col < shape.Width; ++col) {
      const bool opaque = col >= left(row) && col < left(row) + 78;
      shape.Samples.insert(shape.Samples.end(),
                           {200, 180, 90, static_cast<uint16_t>(opaque ? 255 : 0)});
    }
  return EncodePng(shape);
}

}  // namespace

void ControlHost::InvalidateRect(const TRect& rect) {
  if (Failing) Raise<EOSError>(u"host gone");
  Rects.push_back(rect);
}

MapControlTest::MapControlTest() : player(std::make_unique<TestPlayer>()) {
  for (const char* name : kOverlays)
    folder.WriteFile(std::string("images/") + name + ".png", OverlayPng());
  folder.WriteFile("images/cell.png", ShapePng(&ShapeLeft));
  folder.WriteFile("objects.ini", "[mapprobe]\nHP=10\n");
  UseStore();
  config.Players().AddObject(u"Gaia", player.get());
  map.SetName(u"Map");
  map.SetHost(&control);
  map.BeginLoading();
  map.SetConfig(&config);
  map.SetCellsX(10);
  map.SetCellsY(10);
  map.SetGeometry(kMainWindowGeometry);
  map.Loaded();
  config.SetMap(&map);
}

MapControlTest::~MapControlTest() { map.SetHost(nullptr); }

TPoint MapControlTest::Inside(int x, int y) {
  const TPoint p = CellAt(x, y).Position();
  return {p.X + ShapeLeft(9) + 39, p.Y + 9};
}

std::vector<TPoint> MapControlTest::RenderedCells(const TRecordingCanvas& canvas) {
  std::vector<TPoint> cells;
  for (const TPoint at : DrawnAt(canvas, u"cell"))
    for (int y = 0; y < map.CellsY(); ++y)
      for (int x = 0; x < map.CellsX(); ++x)
        if (CellAt(x, y).Position() == at) cells.push_back({x, y});
  return cells;
}

std::vector<TPoint> MapControlTest::DrawnAt(const TRecordingCanvas& canvas, const char16_t* image) {
  std::vector<TPoint> positions;
  for (const TDrawnImage& drawn : canvas.DrawnImages())
    if (drawn.Image == ImageOf(image)) positions.push_back({drawn.X, drawn.Y});
  return positions;
}
