#include <gtest/gtest.h>

#include "containers/mem_ini_file_w.h"
#include "game/flower.h"
#include "map/map_cell_slots.h"
#include "map/map_control_fixture.h"
#include "map/map_info.h"

namespace {

class CellRecorder : public TObject {
 public:
  void OnCell(TSWMapCell* cell) { Cells.push_back(cell); }
  TSWMapCellEvent Handler() { return TSWMapCellEvent::Of<&CellRecorder::OnCell>(this); }
  std::vector<const TSWMapCell*> Cells;
};

constexpr const char* kSmallBoard =
    "[General]\nWidth=3\nHeight=2\n[Tiles]\nY0=clay,,Fertile\nY1=a,b,c\n";

class MapLoadTest : public MapControlTest {
 protected:
  TMemIniFileW& MapFile(const std::string& name, const std::string& text) {
    folder.WriteFile("maps/" + name + ".ini", text);
    return package.Ini(u"maps\\" + WideFromAscii(name));
  }
  // The error of loading a 3 x 2 board whose Gaia owns the objects of `lines`.
  template <class E>
  WideString ObjectsError(const std::string& name, const std::string& lines) {
    TMemIniFileW& ini = MapFile(name, std::string(kSmallBoard) + "[Objects of Gaia]\n" + lines);
    return ErrorOf<E>([&] { map.LoadFrom(ini); });
  }
};

}  // namespace

TEST_F(MapLoadTest, LoadsTheFileAsTheMapsMapFileWithItsSizeTilesAndObjects) {
  CellRecorder selected;
  map.SetOnSelect(selected.Handler());
  map.SelectCell(&CellAt(5, 5));
  map.SetMark(&CellAt(6, 6), TSWInteractiveMap::kHoverMark);

  TMemIniFileW& ini =
      MapFile("meadow", std::string("[General]\nName=Meadow\n") +
                            "Width=3\nHeight=2\n[Tiles]\nY0=clay,,Fertile\n" +
                            "Y1=a,b,c\n[Objects of Gaia]\n2:1=mapprobe\n" + "0x1:$0=mapprobe\n");
  map.LoadFrom(ini);

  // The marks went before the cells they were on.
  EXPECT_EQ(map.SelectedCell(), nullptr);
  EXPECT_EQ(map.HoveredCell(), nullptr);
  EXPECT_EQ(selected.Cells.back(), nullptr);

  EXPECT_EQ(map.MapIni(), &ini);
  EXPECT_EQ(config.LoadedMapFile(), &ini);
  EXPECT_EQ(map.MapInfo().Name(), u"Meadow");
  EXPECT_EQ(map.CellsX(), 3);
  EXPECT_EQ(map.CellsY(), 2);
  EXPECT_EQ(map.ClickMap().Width(), 362);
  EXPECT_EQ(map.ClickMap().Height(), 88);
  EXPECT_EQ(CellAt(0, 0).Terrain(), u"clay");
  EXPECT_EQ(CellAt(2, 1).Terrain(), u"c");

  const TSWFlower* probe = CellAt(2, 1).Slots().Find(u"flower");
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(probe->Name(), u"mapprobe");
  EXPECT_EQ(probe->Player(), player.get());
  // Coordinates read like any integer of the data files.
  EXPECT_NE(CellAt(1, 0).Slots().Find(u"flower"), nullptr);
}

TEST_F(MapLoadTest, RejectsASizeBelowOneBeforeResizingAnything) {
  TMemIniFileW& noColumns = MapFile("nocolumns", "[General]\nName=Thin\nWidth=0\nHeight=2\n");
  EXPECT_EQ(
      ErrorOf<EInvalidArgument>([&] { map.LoadFrom(noColumns); }),
      u"maps\\nocolumns.ini [General] Width: Map width must be at least 1 - but 0 was given.");
  EXPECT_EQ(map.MapInfo().Name(), u"Thin");

  TMemIniFileW& noRows = MapFile("norows", "[General]\nWidth=3\nHeight=-1\n");
  EXPECT_EQ(ErrorOf<EInvalidArgument>([&] { map.LoadFrom(noRows); }),
            u"maps\\norows.ini [General] Height: Map height must be at least 1 - but -1 was "
            u"given.");
  EXPECT_EQ(map.CellsX(), 10);
  EXPECT_EQ(map.CellsY(), 10);
  EXPECT_EQ(map.ClickMap().Width(), 1244);
}

TEST_F(MapLoadTest, RejectsObjectLinesWithoutTwoCoordinatesInsideTheGrid) {
  EXPECT_EQ(ObjectsError<EConvertError>("dash", "2-5=mapprobe\n"),
            u"maps\\dash.ini [Objects of Gaia] 2-5: LoadPlayerObjects failed because coordinates "
            u"format of line \"2-5=mapprobe\" was wrong - \"X:Y\" expected, \"2-5\" got.");
  EXPECT_EQ(ObjectsError<EConvertError>("bare", "junk\n"),
            u"maps\\bare.ini [Objects of Gaia] junk: LoadPlayerObjects failed because coordinates "
            u"format of line \"junk\" was wrong - \"X:Y\" expected, \"\" got.");
  EXPECT_EQ(ObjectsError<EInvalidArgument>("east", "1:1=mapprobe\n3:0=mapprobe\n"),
            u"maps\\east.ini [Objects of Gaia] 3:0: LoadPlayerObjects failed because line "
            u"\"3:0=mapprobe\" places an object outside the 3 x 2 grid.");
  // The line before the failing one stays loaded.
  EXPECT_NE(CellAt(1, 1).Slots().Find(u"flower"), nullptr);
  EXPECT_EQ(ObjectsError<EInvalidArgument>("north", "0:-1=mapprobe\n"),
            u"maps\\north.ini [Objects of Gaia] 0:-1: LoadPlayerObjects failed because line "
            u"\"0:-1=mapprobe\" places an object outside the 3 x 2 grid.");
}

// A map author finds the failing spot from the message alone: the file, the section and the key,
// with the loader's own words and what made them so.
TEST_F(MapLoadTest, FailuresNameTheMapFileSectionAndKey) {
  EXPECT_EQ(ObjectsError<EComponentError>("dragon", "1:1=dragon\n"),
            u"maps\\dragon.ini [Objects of Gaia] 1:1: CreateFrom(dragon) failed because type "
            u"dragon is unknown.");
  TMemIniFileW& rows = MapFile("rows", "[General]\nName=Rows\nHeight=2\n[Tiles]\nY0=a,b,c\n");
  EXPECT_EQ(ErrorOf<EListError>([&] { map.LoadFrom(rows); }),
            u"maps\\rows.ini [Tiles] Y0: TSWMapCells.LoadFrom failed - Y0 line had wrong number "
            u"of tiles (10 expected, 3 given). [General] Width is missing, so it is 10.");
  folder.WriteFile("images/torn.png", folder.ReadFile("images/cell.png").substr(0, 40));
  TMemIniFileW& torn = MapFile("torn", "[General]\nBkImage=images\\torn.png\nWidth=1\nHeight=1\n");
  EXPECT_EQ(ErrorOf<EPngError>([&] { map.LoadFrom(torn); }),
            u"maps\\torn.ini [General] BkImage: images\\torn.png: Read Error: the file ended "
            u"early, after 40 bytes");
}
