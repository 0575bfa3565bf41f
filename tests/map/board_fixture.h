#pragma once
// A board for the cell tests: a map control wired to a store over a test data folder (every
// image a cell paints, objects.ini and a map file), test kinds of objects that draw their Name
// where the cell places them, and recorders for events and repaint requests.
#include <memory>
#include <string>
#include <vector>

#include "config/data_folder_fixture.h"
#include "game/flower.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/map_cells.h"
#include "map/map_host.h"
#include "map/sw_map.h"

// An object that draws its Name as text at the cell's position and notes its repaint requests.
class TestFlower : public TSWFlower {
 public:
  using TSWFlower::TSWFlower;
  ~TestFlower() override { --Alive; }

  void Init() override {
    TSWFlower::Init();
    ++Alive;
  }
  void Paint(TCanvas& canvas, int x, int y) override;
  void InvalidateCells() override { Invalidated.push_back(this); }

  static inline int Alive = 0;
  static inline std::vector<const TSWFlower*> Invalidated;
};

// "testbloom" and "testseed" share the slot "flower" (paint order 7), "testshade" takes "light"
// (10), "testpath" its own Name (2); "testbroken" has an HP that is not a number.
#define SW_TEST_FLOWER(Self, Kind, Order)                              \
  class Self : public TestFlower {                                     \
   public:                                                             \
    using TestFlower::TestFlower;                                      \
    static const TClass& StaticClass();                                \
    const TClass& ClassType() const override { return StaticClass(); } \
    WideString GetKind() const override { return Kind; }               \
    int16_t PaintOrder() const override { return Order; }              \
  };
SW_TEST_FLOWER(TestBloom, u"flower", 7)
SW_TEST_FLOWER(TestSeed, u"flower", 7)
SW_TEST_FLOWER(TestShade, u"light", 10)
SW_TEST_FLOWER(TestPath, Name(), 2)
SW_TEST_FLOWER(TestBroken, Name(), 0)
#undef SW_TEST_FLOWER

// One event as a handler received it: the event name (without an object's token) and argument.
struct TLoggedEvent {
  WideString Name;
  const TObject* Arg = nullptr;
  friend bool operator==(const TLoggedEvent&, const TLoggedEvent&) = default;
};
void PrintTo(const TLoggedEvent& event, std::ostream* out);

class EventLog : public TObject {
 public:
  void OnEvent(TSWConfig* sender, const WideString& eventName, TObject* arg);
  TSWEventHandler Handler() { return TSWEventHandler::Of<&EventLog::OnEvent>(this); }
  // Records the cell's slot events.
  void Watch(TSWMapCell& cell);

  std::vector<TLoggedEvent> Events;
};

class RepaintHost : public TSWMapHost {
 public:
  void InvalidateRect(const TRect& rect) override { Rects.push_back(rect); }
  void InvalidateAll() override {}
  void SetControlSize(int /*width*/, int /*height*/) override {}

  std::vector<TRect> Rects;
};

class BoardTest : public DataFolderTest {
 protected:
  // A 10 x 10 board with the main window's geometry and an empty map file as the "MAP" file.
  // Tests may rewrite objects.ini before the first lookup.
  BoardTest();
  ~BoardTest() override;

  TSWMapCell& CellAt(int x, int y) { return map.Cells().Cell(x, y); }
  const TPngImage* ImageOf(const char16_t* name) { return &package.Image(name); }
  // Writes the map file maps\<name>.ini and makes it the "MAP" file.
  void UseMapFile(const std::string& name, const std::string& text);
  // Puts a new cell of the class at (x, y): a plain one for "TSWMapCell", else a registered
  // kind whose terrain is its kind word, as a map file's tile would make it.
  TSWMapCell& PutCell(int x, int y, const char16_t* className);

  // Of a class named TSWPlayer.
  std::unique_ptr<TObject> player;
  RepaintHost host;
  EventLog log;
  TSWMap map;
};
