#include "sim/object_text.h"

#include "game/flower_seed.h"
#include "game/player.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"

WideString CellText(const TSWMapCell& cell) {
  return IntToWide(cell.X()) + u":" + IntToWide(cell.Y());
}

WideString ObjectText(const TSWFlower& object) {
  if (object.Is<TSWFlower_Seed>())
    return object.Name() + u"," + static_cast<const TSWFlower_Seed&>(object).FlowerName();
  return object.Name();
}

WideString OwnerText(const TSWFlower& object) { return object.Player()->PlayerName(); }

WideString DescribeObject(const TSWFlower& object) {
  return ObjectText(object) + u" at " + CellText(object.Slots().Cell()) + u" (" +
         OwnerText(object) + u")";
}
