#include "map/soil_cells.h"

#include <climits>

#include "config/event_names.h"
#include "map/board_fixture.h"

namespace {

class SoilCellsTest : public BoardTest {
 protected:
  void UseObjects(const std::string& soilBonuses) {
    folder.WriteFile("objects.ini",
                     "[testbloom]\nHP=100\n[testpath]\nHP=2\n[Soil bonuses]\n" + soilBonuses);
  }
  // The HP of a bloom added to a new cell of the class at (2, 3).
  int BloomHPOn(const char16_t* className) {
    TSWMapCell& cell = PutCell(2, 3, className);
    cell.Slots().Add(u"testbloom", player.get());
    return cell.Slots().Find(u"flower")->HP();
  }
  // The HP of an object named `name` (MaxHP from its section, 100 by default), set to `hp`,
  // after the cell raised "slot add" with it.
  int AfterSlotAdd(TSWMapCell& cell, const char16_t* name, int hp) {
    TOwned<TSWFlower> object(
        static_cast<TSWFlower*>(NewFlower<TestPath>(&cell.Slots(), player.get())));
    object->LoadFrom({name});
    object->ExchangeHP(hp);
    cell.RaiseEvent(kEventSlotAdd, object.get());
    return object->HP();
  }
};

TEST_F(SoilCellsTest, SoilAddsItsPercentageOfMaxHP) {
  UseObjects("fertile=50\n");
  EXPECT_EQ(BloomHPOn(u"TSWMapCell_Fertile"), 150);
  EXPECT_EQ(CellAt(2, 3).Slots().Find(u"flower")->MaxHP(), 100);
  EXPECT_EQ(BloomHPOn(u"TSWMapCell_Clay"), 100);
}

TEST_F(SoilCellsTest, TheTerrainKeyWinsOverTheWildcardInEitherFile) {
  UseObjects("clay=30\n");
  UseMapFile("wild", "[Soil bonuses]\n*=10\n");
  EXPECT_EQ(BloomHPOn(u"TSWMapCell_Clay"), 130);
  EXPECT_EQ(BloomHPOn(u"TSWMapCell_Loamy"), 110);
  EXPECT_EQ(BloomHPOn(u"TSWMapCell_Soil"), 110);
}

TEST_F(SoilCellsTest, SeedsNullCellsAndPlainCellsGetNothing) {
  UseObjects("*=10\n");
  TSWMapCell& clay = PutCell(2, 3, u"TSWMapCell_Clay");
  EXPECT_EQ(AfterSlotAdd(clay, u"seed", 1), 1);
  EXPECT_EQ(AfterSlotAdd(clay, u"Seed", 1), 11) << "only the exact name is a seed's";
  EXPECT_EQ(BloomHPOn(u"TSWMapCell_Null"), 100);
  EXPECT_EQ(BloomHPOn(u"TSWMapCell"), 100);
}

TEST_F(SoilCellsTest, MinusOneIsNoBonusAndOtherNegativesTakeAway) {
  UseObjects("clay=-1\nloamy=-20\n");
  EXPECT_EQ(BloomHPOn(u"TSWMapCell_Clay"), 100);
  EXPECT_EQ(BloomHPOn(u"TSWMapCell_Loamy"), 80);
}

TEST_F(SoilCellsTest, BonusesBeyondWhatHitPointsHoldStopAtTheEndsOfTheRange) {
  folder.WriteFile("objects.ini",
                   "[testbloom]\nHP=1000\n[Soil bonuses]\nfertile=2147483647\nclay=-2147483648\n");
  EXPECT_EQ(BloomHPOn(u"TSWMapCell_Fertile"), INT_MAX);
  EXPECT_EQ(BloomHPOn(u"TSWMapCell_Clay"), INT_MIN);
}

TEST_F(SoilCellsTest, HalvesRoundToEven) {
  UseObjects("*=25\n");
  TSWMapCell& soil = PutCell(2, 3, u"TSWMapCell_Soil");
  EXPECT_EQ(AfterSlotAdd(soil, u"testpath", 1), 2);
  EXPECT_EQ(AfterSlotAdd(soil, u"testpath", 2), 2);
  EXPECT_EQ(AfterSlotAdd(soil, u"testpath", 3), 4);
}

TEST_F(SoilCellsTest, TheBonusIsInPlaceBeforeSubscribersHearOfTheObject) {
  UseObjects("fertile=50\n");
  TSWMapCell& fertile = PutCell(2, 3, u"TSWMapCell_Fertile");
  struct HPWitness : TObject {
    void OnSlotAdd(TSWConfig*, const WideString&, TObject* arg) {
      Seen = static_cast<TSWFlower*>(arg)->HP();
    }
    int Seen = 0;
  } witness;
  fertile.SubscribeSlotAdd(TSWEventHandler::Of<&HPWitness::OnSlotAdd>(&witness));
  fertile.Slots().Add(u"testbloom", player.get());
  EXPECT_EQ(witness.Seen, 150);
}

TEST_F(SoilCellsTest, ABonusThatIsNotANumberFailsAfterTheObjectWasAdded) {
  UseObjects("*=lots\n");
  TSWMapCell& clay = PutCell(2, 3, u"TSWMapCell_Clay");
  log.Watch(clay);
  EXPECT_EQ(ErrorOf<EConvertError>([&] { clay.Slots().Add(u"testbloom", player.get()); }),
            u"Property from [Soil bonuses] must be a number - but lots was given.");
  EXPECT_NE(clay.Slots().Find(u"flower"), nullptr);
  EXPECT_EQ(log.Events, (std::vector<TLoggedEvent>{{kEventSlotDelete, &clay}}));
}

}  // namespace
