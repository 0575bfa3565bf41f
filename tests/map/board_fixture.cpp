#include "map/board_fixture.h"

#include <ostream>

#include "base/utf8.h"
#include "config/event_hash.h"
#include "map/soil_cells.h"
#include "platform/canvas.h"
#include "support/test_player.h"

#define SW_TEST_FLOWER_CLASS(Self, Name)                       \
  const TClass& Self::StaticClass() {                          \
    static const TClass info{Name, &TSWFlower::StaticClass()}; \
    return info;                                               \
  }
SW_TEST_FLOWER_CLASS(TestBloom, u"TSWFlower_Testbloom")
SW_TEST_FLOWER_CLASS(TestSeed, u"TSWFlower_Testseed")
SW_TEST_FLOWER_CLASS(TestShade, u"TSWFlower_Testshade")
SW_TEST_FLOWER_CLASS(TestPath, u"TSWFlower_Testpath")
SW_TEST_FLOWER_CLASS(TestBroken, u"TSWFlower_Testbroken")
#undef SW_TEST_FLOWER_CLASS

namespace {

// Registered before any test runs, so the real cell kinds take their names before anything else
// can claim them.
class BoardKinds : public testing::Environment {
 public:
  void SetUp() override {
    RegisterMapCellClasses();
    RegisterFlowerClass<TestBloom>();
    RegisterFlowerClass<TestSeed>();
    RegisterFlowerClass<TestShade>();
    RegisterFlowerClass<TestPath>();
    RegisterFlowerClass<TestBroken>();
  }
};

[[maybe_unused]] testing::Environment* const kBoardKinds =
    testing::AddGlobalTestEnvironment(new BoardKinds);

// Every image a cell may paint, each its own item so that a drawing names its image.
constexpr const char* kImages[] = {
    "soil clay",   "soil loamy",           "soil fertile",     "cell null",   "cell non-selectable",
    "cell border", "cell border selected", "cell border over", "board right", "board bottom"};

}  // namespace

void TestFlower::Paint(TCanvas& canvas, int x, int y) { canvas.DrawText(x, y, Name(), 0); }

void PrintTo(const TLoggedEvent& event, std::ostream* out) {
  *out << "{" << Utf8Encode(event.Name) << ", " << static_cast<const void*>(event.Arg) << "}";
}

void EventLog::OnEvent(TSWConfig* /*sender*/, const WideString& eventName, TObject* arg) {
  Events.push_back({IsObjectEvent(eventName, u"") ? eventName.substr(3) : eventName, arg});
}

void EventLog::Watch(TSWMapCell& cell) {
  cell.SubscribeSlotAdd(Handler());
  cell.SubscribeSlotDelete(Handler());
}

BoardTest::BoardTest() : player(std::make_unique<TestPlayer>()) {
  for (const char* name : kImages) {
    TTestPng image;
    image.Samples = {1, 2, 3, 255};
    folder.WriteFile(std::string("images/") + name + ".png", EncodePng(image));
  }
  folder.WriteFile("lang.ini", "[Strings]\nflower: testbloom=A bloom\nflower: weed=A weed\n");
  folder.WriteFile("objects.ini",
                   "[testbloom]\nHP=100\n"
                   "[testbroken]\nHP=lots\n");
  UseStore();
  map.SetHost(&host);
  map.SetConfig(&config);
  config.SetMap(&map);
  UseMapFile("board", "[General]\nName=Board\n");
  map.SetGeometry(kMainWindowGeometry);
  TestFlower::Invalidated.clear();
}

BoardTest::~BoardTest() { map.SetHost(nullptr); }

void BoardTest::UseMapFile(const std::string& name, const std::string& text) {
  folder.WriteFile("maps/" + name + ".ini", text);
  config.SetLoadedMapFile(&package.Ini(u"maps\\" + WideFromAscii(name)));
}

TSWMapCell& BoardTest::PutCell(int x, int y, const char16_t* className) {
  const WideStringView name = className;
  const size_t kind = name.find(u'_');
  TOwned<TSWMapCell> cell =
      kind == WideStringView::npos
          ? TOwned<TSWMapCell>(NewMapCell<TSWMapCell>(&map.Cells(), x, y))
          : CreateMapCell(*FindRegisteredClass(className), &map.Cells(), x, y);
  if (kind != WideStringView::npos) cell->LoadFrom({WideString(name.substr(kind + 1))});
  map.Cells().PutCell(x, y, std::move(cell));
  return CellAt(x, y);
}
