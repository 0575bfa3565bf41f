#include "map/basic_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "config/event_names.h"
#include "map/map_control_fixture.h"
#include "platform/memory_stream.h"
#include "support/failing_stream.h"

namespace {

// The pixel (x, y) of a 24-bit BMP file as 0xBBGGRR.
TColor BmpPixel(const std::string& bmp, int x, int y) {
  int32_t width = 0;
  int32_t height = 0;
  std::memcpy(&width, bmp.data() + 18, 4);
  std::memcpy(&height, bmp.data() + 22, 4);
  const size_t rowSize = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  const auto* pixel = reinterpret_cast<const uint8_t*>(bmp.data()) + 54 +
                      (height - 1 - y) * rowSize + static_cast<size_t>(x) * 3;
  return RgbColor(pixel[2], pixel[1], pixel[0]);
}

// Notes each paint event of a cell with the number of drawings made before it.
class PaintProbe : public TObject {
 public:
  explicit PaintProbe(const TRecordingCanvas& canvas) : canvas_(canvas) {}
  void OnEvent(TSWConfig* /*sender*/, const WideString& eventName, TObject* arg) {
    const auto* cell = static_cast<const TSWMapCell*>(arg);
    Seen.push_back({eventName.substr(3), {cell->X(), cell->Y()}, canvas_.Records().size()});
  }
  void Watch(TSWMapCell& cell) {
    const TSWEventHandler handler = TSWEventHandler::Of<&PaintProbe::OnEvent>(this);
    cell.Subscribe(kEventBeforePaint, handler);
    cell.Subscribe(kEventAfterPaint, handler);
  }

  struct TSeen {
    WideString Name;
    TPoint Cell;
    size_t DrawnBefore;
    friend bool operator==(const TSeen&, const TSeen&) = default;
  };
  std::vector<TSeen> Seen;

 private:
  const TRecordingCanvas& canvas_;
};

class MapShapeTest : public DataFolderTest {};

}  // namespace

TEST_F(MapControlTest, LaysTheBoardOutOnceLoadedAndAgainOnEveryChange) {
  // Setting the design values while loading laid nothing out; Loaded did, once.
  EXPECT_EQ(control.InvalidatedAll, 1);
  EXPECT_EQ(CellAt(0, 9).Position(), (TPoint{25, 196}));
  EXPECT_EQ(CellAt(0, 0).Position(), (TPoint{403, 25}));
  EXPECT_EQ(CellAt(9, 0).Position(), (TPoint{1105, 25}));
  EXPECT_EQ(map.ClickMap().Width(), 1244);
  EXPECT_EQ(map.ClickMap().Height(), 240);
  EXPECT_EQ(control.Size, (TPoint{1244, 240}));

  map.SetCellsX(1);
  map.SetCellsY(1);
  EXPECT_EQ(CellAt(0, 0).Position(), (TPoint{25, 25}));
  EXPECT_EQ(map.ClickMap().Width(), 164);
  EXPECT_EQ(map.ClickMap().Height(), 69);
  EXPECT_EQ(control.Size, (TPoint{164, 69}));
  EXPECT_EQ(control.InvalidatedAll, 3);

  map.SetAutoSize(false);
  map.SetMarginX(30);
  EXPECT_EQ(map.ClickMap().Width(), 174);
  EXPECT_EQ(control.Size, (TPoint{164, 69}));
}

TEST_F(MapControlTest, RejectsAGridSmallerThanOneCellAndKeepsTheBoard) {
  EXPECT_EQ(ErrorOf<EInvalidArgument>([&] { map.SetCellsX(0); }),
            u"Map width must be at least 1 - but 0 was given.");
  EXPECT_EQ(ErrorOf<EInvalidArgument>([&] { map.SetCellsY(-3); }),
            u"Map height must be at least 1 - but -3 was given.");
  EXPECT_EQ(map.CellsX(), 10);
  EXPECT_EQ(map.CellsY(), 10);
  EXPECT_EQ(map.ClickMap().Width(), 1244);
}

TEST_F(MapControlTest, TheCellShapeDecidesWhichCellAPixelBelongsTo) {
  const TPoint inside = Inside(4, 5);
  EXPECT_EQ(map.CellAtPixel(inside.X, inside.Y), &CellAt(4, 5));
  EXPECT_FALSE(map.IsOutsideBoard(inside.X, inside.Y));
  // Inside the hit band of (4, 5), left of its shape on that line: the neighbour's.
  const TPoint p = CellAt(4, 5).Position();
  EXPECT_EQ(map.CellAtPixel(p.X + 5, p.Y + 9), &CellAt(3, 5));
  EXPECT_EQ(map.ClickMap().Pixel(Inside(0, 0).X, Inside(0, 0).Y), 1u);
  EXPECT_EQ(map.ClickMap().Pixel(Inside(5, 2).X, Inside(5, 2).Y), 131078u);
  EXPECT_EQ(map.CellAtPixel(-1, 0), nullptr);
  EXPECT_EQ(map.CellAtPixel(1244, 100), nullptr);
  EXPECT_TRUE(map.IsOutsideBoard(-1, 0));
}

TEST_F(MapControlTest, TheMarginsBelongToTheEdgeCellsButLieOutsideTheBoard) {
  // Above column 3: (3, 0) at x 637, its top strip from 673 to 751.
  EXPECT_EQ(map.CellAtPixel(700, 10), &CellAt(3, 0));
  EXPECT_TRUE(map.IsOutsideBoard(700, 10));
  // The first cell row's top pixel line counts as outside, the next one not.
  EXPECT_EQ(map.CellAtPixel(700, 25), &CellAt(3, 0));
  EXPECT_TRUE(map.IsOutsideBoard(700, 25));
  EXPECT_FALSE(map.IsOutsideBoard(700, 26));
  // Left of the leftmost cells and below the last row.
  EXPECT_EQ(map.CellAtPixel(5, 200), &CellAt(0, 9));
  EXPECT_TRUE(map.IsOutsideBoard(5, 200));
  EXPECT_EQ(map.CellAtPixel(60, 230), &CellAt(0, 9));
  EXPECT_TRUE(map.IsOutsideBoard(60, 230));
  // The right margin of the top row.
  EXPECT_EQ(map.CellAtPixel(1240, 30), &CellAt(9, 0));
  EXPECT_TRUE(map.IsOutsideBoard(1240, 30));
}

TEST_F(MapShapeTest, ACellImageWithoutAlphaMarksOnlyTheMargins) {
  TTestPng opaque;
  opaque.Width = 114;
  opaque.Height = 19;
  opaque.ColorType = 2;
  opaque.Samples.assign(114 * 19 * 3, 255);
  folder.WriteFile("images/cell.png", EncodePng(opaque));
  UseStore();
  TSWMap board;
  board.SetConfig(&config);
  board.SetCellWidth(42);
  board.SetCellHeight(19);
  board.SetCellSpacingX(36);
  board.SetMarginX(25);
  board.SetMarginY(25);
  const TPoint p = board.Cell(4, 5).Position();
  EXPECT_EQ(board.CellAtPixel(p.X + 50, p.Y + 9), nullptr);
  EXPECT_EQ(board.CellAtPixel(700, 10), &board.Cell(3, 0));
}

TEST_F(MapControlTest, SavingTheClickMapStretchesItsColoursOnlyInTheFile) {
  TMemoryStream stream;
  map.SaveClickMap(stream);
  const std::string& bmp = stream.Bytes();
  ASSERT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(BmpPixel(bmp, Inside(0, 0).X, Inside(0, 0).Y), 30u);
  EXPECT_EQ(BmpPixel(bmp, Inside(5, 2).X, Inside(5, 2).Y), 3932340u);
  EXPECT_FALSE(map.Cells().DebugColors());
  EXPECT_EQ(map.ClickMap().Pixel(Inside(5, 2).X, Inside(5, 2).Y), 131078u);

  TFailingStream failing(100);
  EXPECT_THROW(map.SaveClickMap(failing), EOSError);
  EXPECT_FALSE(map.Cells().DebugColors());
  EXPECT_EQ(map.ClickMap().Pixel(Inside(5, 2).X, Inside(5, 2).Y), 131078u);
}

TEST_F(MapControlTest, PaintsOnlyTheCellsMeetingTheClipRowByRow) {
  // (4, 5) is at (505, 120); the top-left corner lies left of its shape, in (3, 5).
  TRecordingCanvas oneRow({525, 122, 565, 135});
  map.Paint(oneRow);
  EXPECT_EQ(RenderedCells(oneRow), (std::vector<TPoint>{{3, 5}, {4, 5}}));

  // Row 6 starts at y 139, the clip's bottom, which still counts; its last cell is the one under
  // the right edge on its bottom line.
  TRecordingCanvas twoRows({525, 122, 565, 139});
  map.Paint(twoRows);
  EXPECT_EQ(RenderedCells(twoRows), (std::vector<TPoint>{{3, 5}, {4, 5}, {3, 6}, {4, 6}, {5, 6}}));

  TRecordingCanvas whole({0, 0, 1244, 240});
  map.Paint(whole);
  EXPECT_EQ(RenderedCells(whole).size(), 100u);

  TRecordingCanvas offBoard({1300, 0, 1400, 50});
  map.Paint(offBoard);
  EXPECT_TRUE(offBoard.Records().empty());
}

TEST_F(MapControlTest, EveryRenderIsWrappedInItsCellsPaintEvents) {
  TRecordingCanvas canvas({525, 122, 565, 135});
  PaintProbe probe(canvas);
  probe.Watch(CellAt(3, 5));
  probe.Watch(CellAt(4, 5));
  map.Paint(canvas);
  using TSeen = PaintProbe::TSeen;
  EXPECT_EQ(probe.Seen, (std::vector<TSeen>{{kEventBeforePaint, {3, 5}, 0},
                                            {kEventAfterPaint, {3, 5}, 1},
                                            {kEventBeforePaint, {4, 5}, 1},
                                            {kEventAfterPaint, {4, 5}, 2}}));
  config.Events().ClearCallbacksOf(&probe);
}

TEST_F(MapControlTest, ShowingTheGridRepaintsEveryCellWithItsBorder) {
  const int before = control.InvalidatedAll;
  config.SetShowGrid(true);
  EXPECT_EQ(control.InvalidatedAll, before + 1);
  TRecordingCanvas canvas({0, 0, 1244, 240});
  map.Paint(canvas);
  EXPECT_EQ(DrawnAt(canvas, u"cell border").size(), 100u);
  EXPECT_EQ(DrawnAt(canvas, u"cell border"), DrawnAt(canvas, u"cell"));
}

TEST_F(MapControlTest, ACellRepaintIsAnAreaRequestThatRepaintsTheCell) {
  map.PaintCellAt(4, 5);
  map.PaintCellAt(0, 0);
  map.PaintCellAt(9, 9);
  // Two rows above and below; the top row is cut at the control's edge; the last column and
  // row reach the control's right and bottom edges.
  EXPECT_EQ(control.Rects,
            (std::vector<TRect>{{505, 82, 619, 158}, {403, 0, 517, 63}, {727, 158, 1244, 240}}));

  for (int y = 0; y < map.CellsY(); ++y)
    for (int x = 0; x < map.CellsX(); ++x) {
      map.PaintCellAt(x, y);
      TRecordingCanvas canvas(control.Rects.back());
      map.Paint(canvas);
      const std::vector<TPoint> rendered = RenderedCells(canvas);
      EXPECT_NE(std::find(rendered.begin(), rendered.end(), TPoint{x, y}), rendered.end())
          << "cell " << x << ", " << y;
    }
}
