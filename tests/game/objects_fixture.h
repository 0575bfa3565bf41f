#pragma once
// A board for the object kinds: a 10 x 10 map control with the main window's geometry, wired to
// a store over a test data folder whose "cell" image is 114 x 19, an empty map file as the "MAP"
// file, the real object kinds, a player "Owner" of the store, and recorders for events and
// repaint requests. Tests write objects.ini and the object images before the first lookup.
#include <string>

#include "config/data_folder_fixture.h"
#include "game/player.h"
#include "map/board_fixture.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/sw_map.h"

class ObjectsTest : public DataFolderTest {
 protected:
  static constexpr int kCellImageWidth = 114;
  static constexpr int kCellImageHeight = 19;

  ObjectsTest();
  ~ObjectsTest() override;

  TSWMapCell& CellAt(int x, int y) { return map.Cells().Cell(x, y); }
  TSWMapCellSlots& SlotsAt(int x, int y) { return CellAt(x, y).Slots(); }
  // Replaces the cell at (x, y) by a plain cell of the terrain.
  TSWMapCell& PutTerrain(int x, int y, const WideString& terrain);
  // Writes images\<name>.png, an opaque image of the size.
  void WriteImage(const std::string& name, int width, int height);
  const TPngImage* ImageOf(const WideString& name) { return &package.Image(name); }
  // Writes the map file maps\<name>.ini and makes it the "MAP" file.
  void UseMapFile(const std::string& name, const std::string& text);
  // Counts the ticks and raises "tick", as the game does for each period.
  void Tick(int count = 1);
  // Records the events of the store named here and the slot events of the cell.
  void Listen(std::initializer_list<WideString> storeEvents, TSWMapCell& cell);

  TSWPlayer owner;
  RepaintHost host;
  EventLog log;
  TSWMap map;
};
