#include "map/map_cells.h"

#include <vector>

#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"
#include "map/board_fixture.h"
#include "map/soil_cells.h"

namespace {

using MapCellsTest = BoardTest;

std::vector<const TSWMapCell*> AllCells(const TSWMapCells& cells) {
  std::vector<const TSWMapCell*> all;
  for (int y = 0; y < cells.CellsY(); ++y)
    for (int x = 0; x < cells.CellsX(); ++x) all.push_back(&cells.Cell(x, y));
  return all;
}

TEST_F(MapCellsTest, ANewGridHoldsAHundredPlainCells) {
  const TSWMapCells& cells = map.Cells();
  ASSERT_EQ(cells.Count(), 100);
  for (const TSWMapCell* cell : AllCells(cells)) {
    EXPECT_EQ(&cell->ClassType(), &TSWMapCell::StaticClass());
    EXPECT_EQ(cell->Terrain(), u"terrain");
    EXPECT_EQ(cell->ImageName(), u"cell");
    EXPECT_EQ(cell->States(), 0);
    EXPECT_EQ(cell->Slots().Count(), 0);
  }
  EXPECT_EQ(cells.Cell(7, 3).X(), 7);
  EXPECT_EQ(cells.Cell(7, 3).Y(), 3);
}

TEST_F(MapCellsTest, ResizingKeepsCellsInIndexOrderAndRenumbersThem) {
  TSWMapCells& cells = map.Cells();
  TSWMapCell& clay = PutCell(5, 0, u"TSWMapCell_Clay");
  clay.Slots().Add(u"testbloom", player.get());
  PutCell(9, 9, u"TSWMapCell_Clay").Slots().Add(u"testpath", player.get());
  const std::vector<const TSWMapCell*> before = AllCells(cells);

  cells.SetCellsX(12);
  ASSERT_EQ(cells.Count(), 120);
  for (int index = 0; index < 120; ++index) {
    const TSWMapCell& cell = cells.Cell(index % 12, index / 12);
    EXPECT_EQ(cell.X(), index % 12);
    EXPECT_EQ(cell.Y(), index / 12);
    if (index < 100)
      EXPECT_EQ(&cell, before[index]) << index;
    else
      EXPECT_EQ(&cell.ClassType(), &TSWMapCell::StaticClass()) << index;
  }

  cells.SetCellsY(1);
  EXPECT_EQ(AllCells(cells), std::vector<const TSWMapCell*>(before.begin(), before.begin() + 12));
  EXPECT_EQ(cells.Cell(5, 0).ClassName(), u"TSWMapCell_Clay");
  EXPECT_NE(cells.Cell(5, 0).Slots().Find(u"flower"), nullptr);
  EXPECT_EQ(TestFlower::Alive, 1) << "the dropped cell's object goes with it";
}

TEST_F(MapCellsTest, SizesOutsideOneTo256AreRefused) {
  TSWMapCells& cells = map.Cells();
  EXPECT_EQ(ErrorOf<EInvalidArgument>([&] { cells.SetCellsX(0); }),
            u"Map width must be at least 1 - but 0 was given.");
  EXPECT_EQ(ErrorOf<EInvalidArgument>([&] { cells.SetCellsY(-3); }),
            u"Map height must be at least 1 - but -3 was given.");
  EXPECT_EQ(ErrorOf<EInvalidArgument>([&] { cells.SetCellsX(1000000); }),
            u"Map width must be at most 256 - but 1000000 was given.");
  EXPECT_EQ(ErrorOf<EInvalidArgument>([&] { cells.SetCellsY(257); }),
            u"Map height must be at most 256 - but 257 was given.");
  EXPECT_EQ(cells.CellsX(), 10);
  EXPECT_EQ(cells.CellsY(), 10);
  EXPECT_EQ(cells.Count(), 100);
}

TEST_F(MapCellsTest, CellsLieOnALeaningParallelogram) {
  EXPECT_EQ(CellAt(0, 9).Position(), (TPoint{25, 196}));
  EXPECT_EQ(CellAt(0, 0).Position(), (TPoint{403, 25}));
  EXPECT_EQ(CellAt(9, 0).Position(), (TPoint{1105, 25}));
}

TEST_F(MapCellsTest, ClickColoursNumberTheCellsAndDecodeBack) {
  TSWMapCells& cells = map.Cells();
  EXPECT_EQ(CellAt(0, 0).ClickColor(), 1u);
  EXPECT_EQ(CellAt(5, 2).ClickColor(), 131078u);
  cells.SetDebugColors(true);
  EXPECT_EQ(CellAt(0, 0).ClickColor(), 30u);
  EXPECT_EQ(CellAt(5, 2).ClickColor(), 3932340u);
  cells.SetDebugColors(false);

  EXPECT_EQ(cells.CellByColor(0), nullptr);
  EXPECT_EQ(cells.CellByColor(0xFFFFFFFF), nullptr);
  EXPECT_EQ(cells.CellByColor(1), &CellAt(0, 0));
  cells.SetCellsX(6);
  cells.SetCellsY(3);
  EXPECT_EQ(cells.CellByColor(131078), &CellAt(5, 2));
  EXPECT_EQ(cells.CellByColor(131079), nullptr);
  cells.SetCellsX(4);
  EXPECT_EQ(cells.CellByColor(131078), nullptr);
}

class TilesTest : public BoardTest {
 protected:
  void Load(const char16_t* text) {
    TStringListW lines;
    lines.SetText(text);
    ini.SetStrings(lines);
    map.Cells().LoadFrom(ini, u"Tiles");
  }

  TMemIniFileW ini;
};

TEST_F(TilesTest, TilesNameCellKindsAndTerrains) {
  TSWMapCells& cells = map.Cells();
  cells.SetCellsX(3);
  cells.SetCellsY(3);
  Load(u"[tiles]\ny0=clay,,Fertile\nY1= Loamy ,Grass, SOIL\nY2=null, Grass ,clay\n");
  const auto expect = [&](int x, int y, const char16_t* className, const char16_t* terrain,
                          const char16_t* image) {
    const TSWMapCell& cell = cells.Cell(x, y);
    EXPECT_EQ(cell.ClassName(), className) << x << ", " << y;
    EXPECT_EQ(cell.Terrain(), terrain) << x << ", " << y;
    EXPECT_EQ(cell.ImageName(), image) << x << ", " << y;
    EXPECT_EQ(cell.X(), x);
    EXPECT_EQ(cell.Y(), y);
  };
  expect(0, 0, u"TSWMapCell_Clay", u"clay", u"soil clay");
  expect(1, 0, u"TSWMapCell", u"", u"cell");
  expect(2, 0, u"TSWMapCell_Fertile", u"fertile", u"soil fertile");
  expect(0, 1, u"TSWMapCell_Loamy", u"loamy", u"soil loamy");
  expect(1, 1, u"TSWMapCell", u"grass", u"cell");
  expect(2, 1, u"TSWMapCell_Soil", u"soil", u"cell");
  expect(0, 2, u"TSWMapCell_Null", u"null", u"cell");
  expect(1, 2, u"TSWMapCell", u" grass ", u"cell");
}

TEST_F(TilesTest, ARowWithAnotherNumberOfTilesFailsLeavingEarlierRowsLoaded) {
  TSWMapCells& cells = map.Cells();
  cells.SetCellsX(3);
  cells.SetCellsY(2);
  EXPECT_EQ(
      ErrorOf<EListError>([&] { Load(u"[Tiles]\nY0=clay,clay,clay\nY1=clay,clay,clay,\n"); }),
      u"TSWMapCells.LoadFrom failed - Y1 line had wrong number of tiles (3 expected, 4 given).");
  EXPECT_EQ(cells.Cell(2, 0).ClassName(), u"TSWMapCell_Clay");
  EXPECT_EQ(cells.Cell(0, 1).ClassName(), u"TSWMapCell");
}

// The count alone would blame the row; the message also says what made the count so.
TEST_F(TilesTest, AMissingRowIsOneEmptyTileAndTheMessageSaysWhy) {
  EXPECT_EQ(ErrorOf<EListError>([&] { Load(u"[General]\nName=Nothing else\n"); }),
            u"TSWMapCells.LoadFrom failed - Y0 line had wrong number of tiles (10 expected, 1 "
            u"given). There is no Y0 line. [General] Height is missing, so it is 10.");
  EXPECT_EQ(ErrorOf<EListError>([&] { Load(u"[General]\nWidth=ten\n[Tiles]\nY0=soil,clay\n"); }),
            u"TSWMapCells.LoadFrom failed - Y0 line had wrong number of tiles (10 expected, 2 "
            u"given). [General] Width \"ten\" is not a number, so it is 10.");
  map.Cells().SetCellsY(2);
  EXPECT_EQ(ErrorOf<EListError>([&] { Load(u"[Tiles]\nY0=a,b,c,d,e,f,g,h,i,j\n"); }),
            u"TSWMapCells.LoadFrom failed - Y1 line had wrong number of tiles (10 expected, 1 "
            u"given). There is no Y1 line.");
}

}  // namespace
