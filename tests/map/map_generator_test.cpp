#include "map/map_generator.h"

#include "map/board_fixture.h"
#include "map/map_info.h"

namespace {

class MapLoaderTest : public BoardTest {
 protected:
  MapLoaderTest() {
    folder.WriteFile("maps/tiny.ini",
                     "[General]\nName=Tiny\nWidth=2\nHeight=1\n[Tiles]\nY0=clay,grass\n");
    loader.SetFileName(u"maps\\tiny");
  }

  TSWMapLoader loader;
};

TEST_F(MapLoaderTest, GenerateLoadsTheMapFileIntoTheMap) {
  loader.SetConfig(&config);
  loader.SetMap(&map);
  loader.Generate();
  EXPECT_EQ(map.MapInfo().Name(), u"Tiny");
  EXPECT_EQ(map.MapIni(), &package.Ini(u"maps\\tiny"));
  ASSERT_EQ(map.Cells().Count(), 2);
  EXPECT_EQ(CellAt(0, 0).ClassName(), u"TSWMapCell_Clay");
  EXPECT_EQ(CellAt(1, 0).Terrain(), u"grass");
}

TEST_F(MapLoaderTest, GenerateNeedsBothReferencesWhichGoWithTheirComponents) {
  loader.SetConfig(&config);
  EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { loader.Generate(); }),
            u"TSWMapLoader.Generate needs a Config and a Map.");
  {
    TSWMap other;
    TSWMapLoader temporary(nullptr, &other);
    EXPECT_EQ(temporary.Map(), &other);
    loader.SetMap(&other);
  }
  EXPECT_EQ(loader.Map(), nullptr);
  EXPECT_EQ(loader.Config(), &config);
}

}  // namespace
