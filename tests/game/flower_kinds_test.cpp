#include "game/flower_kinds.h"

#include <vector>

#include "base/utf8.h"
#include "game/cell_state.h"
#include "game/objects_fixture.h"

namespace {

struct KindRow {
  const char16_t* Spec;
  const char16_t* ClassName;
  const char16_t* Kind;
  int16_t PaintOrder;
  TPoint Offset;
  bool AcceptsVariant;
  const char16_t* Variant;
  bool SideBySide;
  std::vector<TPoint> Affected;
};

// The cells an object on cell (3, 3) reaches into, for the regions (1, 1), (2, 1), (1, 0) and
// (2, 1) followed by (3, 1).
const std::vector<TPoint> kNone;
const std::vector<TPoint> kAboveAndLeft{{3, 2}, {2, 2}};
const std::vector<TPoint> kTwoUp{{3, 2}, {3, 1}, {2, 2}, {2, 1}};
const std::vector<TPoint> kAbove{{3, 2}};
const std::vector<TPoint> kTwoThenThreeUp{{3, 2}, {3, 1}, {2, 2}, {2, 1}, {3, 2},
                                          {3, 1}, {3, 0}, {2, 2}, {2, 1}, {2, 0}};

const KindRow kKinds[] = {
    {u"shadow", u"TSWFlower_Shadow", u"light", 10, {23, -35}, true, u"", false, kTwoUp},
    {u"shadow,dark",
     u"TSWFlower_Shadow",
     u"light",
     10,
     {41, -43},
     true,
     u" dark",
     false,
     kTwoThenThreeUp},
    {u"light", u"TSWFlower_Light", u"light", 5, {10, -9}, false, u"", false, kAbove},
    {u"light,bright", u"TSWFlower_Light", u"light", 5, {10, -9}, false, u"", false, kAbove},
    {u"puddle,deep", u"TSWFlower_Puddle", u"puddle", 5, {0, 0}, true, u" deep", false, kNone},
    {u"puddle,", u"TSWFlower_Puddle", u"puddle", 5, {0, 0}, true, u"", false, kNone},
    {u"fence", u"TSWFlower_Fence", u"fence", 10, {0, -11}, false, u"", false, kAboveAndLeft},
    {u"path", u"TSWFlower_Path", u"path", 2, {0, 0}, false, u"", false, kNone},
    {u"seed,bloomer", u"TSWFlower_Seed", u"flower", 7, {0, 0}, false, u"", true, kNone},
    {u"seed,weed", u"TSWFlower_Seed", u"weed", 7, {0, 0}, false, u"", true, kNone},
    {u"weed", u"TSWFlower_Weed", u"weed", 7, {0, -10}, false, u"", true, kAboveAndLeft},
    {u"bloomer", u"TSWFlower_Bloomer", u"flower", 7, {0, -5}, false, u"", true, kAboveAndLeft},
    {u"melly", u"TSWFlower_Melly", u"flower", 7, {0, -1}, false, u"", true, kNone},
    {u"oracle", u"TSWFlower_Oracle", u"flower", 7, {0, -4}, false, u"", true, kAboveAndLeft},
    {u"bean", u"TSWFlower_Bean", u"flower", 7, {0, -2}, false, u"", true, kAboveAndLeft},
    {u"vegbloomer",
     u"TSWFlower_Vegbloomer",
     u"flower",
     7,
     {0, -4},
     false,
     u"",
     true,
     kAboveAndLeft},
};

std::vector<TPoint> CoordsOf(const TCoordsList& list) {
  std::vector<TPoint> coords;
  for (int i = 0; i < list.Count(); ++i) coords.push_back(list.Coords(i));
  return coords;
}

using FlowerKindsTest = ObjectsTest;

TEST_F(FlowerKindsTest, EveryKindTakesItsSlotOrderOffsetsAndRegion) {
  TSWMapCellSlots& slots = SlotsAt(3, 3);
  for (const KindRow& row : kKinds) {
    SCOPED_TRACE(testing::Message() << "spec " << Utf8Encode(row.Spec));
    slots.Add(row.Spec, &owner);
    const auto* object = As<TSWCellState>(slots.Find(row.Kind));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->ClassName(), row.ClassName);
    EXPECT_EQ(object->GetKind(), row.Kind);
    EXPECT_EQ(object->PaintOrder(), row.PaintOrder);
    EXPECT_EQ(object->PaintDX(), row.Offset.X);
    EXPECT_EQ(object->PaintDY(), row.Offset.Y);
    EXPECT_EQ(object->AcceptsVariant(), row.AcceptsVariant);
    EXPECT_EQ(object->Variant(), row.Variant);
    EXPECT_EQ(object->SideBySide(), row.SideBySide);
    EXPECT_EQ(CoordsOf(object->AffectedCells()), row.Affected);
    slots.Remove(u"");
  }
}

}  // namespace
