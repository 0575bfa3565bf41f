#include "game/objects_fixture.h"

#include "base/wide_string.h"
#include "config/event_hash.h"
#include "config/event_names.h"
#include "game/flower_kinds.h"
#include "map/map_cells.h"

ObjectsTest::ObjectsTest() {
  RegisterFlowerClasses();
  WriteImage("cell", kCellImageWidth, kCellImageHeight);
  WriteImage("board right", 1, 1);
  WriteImage("board bottom", 1, 1);
  folder.MakeFolder("images/objects");
  folder.WriteFile("objects.ini", "");
  UseStore();
  map.SetHost(&host);
  map.SetConfig(&config);
  config.SetMap(&map);
  UseMapFile("objects", "[General]\nName=Objects\n");
  map.SetGeometry(kMainWindowGeometry);
  owner.SetPlayerName(u"Owner");
  owner.SetConfig(&config);
}

ObjectsTest::~ObjectsTest() { map.SetHost(nullptr); }

TSWMapCell& ObjectsTest::PutTerrain(int x, int y, const WideString& terrain) {
  TOwned<TSWMapCell> cell(NewMapCell<TSWMapCell>(&map.Cells(), x, y));
  cell->LoadFrom({terrain});
  map.Cells().PutCell(x, y, std::move(cell));
  return CellAt(x, y);
}

void ObjectsTest::WriteImage(const std::string& name, int width, int height) {
  TTestPng image;
  image.Width = width;
  image.Height = height;
  for (int i = 0; i < width * height; ++i)
    image.Samples.insert(image.Samples.end(), {1, 2, 3, 255});
  folder.WriteFile("images/" + name + ".png", EncodePng(image));
}

void ObjectsTest::UseMapFile(const std::string& name, const std::string& text) {
  folder.WriteFile("maps/" + name + ".ini", text);
  config.SetLoadedMapFile(&package.Ini(u"maps\\" + WideFromAscii(name)));
}

void ObjectsTest::Tick(int count) {
  for (int i = 0; i < count; ++i) {
    config.SetTicks(config.Ticks() + 1);
    config.Events().RaiseEvent(kEventTick, nullptr);
  }
}

void ObjectsTest::Listen(std::initializer_list<WideString> storeEvents, TSWMapCell& cell) {
  for (const WideString& name : storeEvents) config.Events().AddHandler(name, log.Handler());
  log.Watch(cell);
  cell.SubscribeSlotLevelUp(log.Handler());
}
