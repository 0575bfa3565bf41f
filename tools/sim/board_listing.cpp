#include "sim/board_listing.h"

#include "base/utf8.h"
#include "config/config_store.h"
#include "game/ability_link.h"
#include "game/ability_list.h"
#include "game/flower.h"
#include "game/player.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/map_cells.h"
#include "map/sw_map.h"
#include "sim/object_text.h"

void ListPlayers(TSWConfig& config, std::ostream& out) {
  const TObjectHash& players = config.Players();
  for (int i = 0; i < players.Count(); ++i) {
    const TSWPlayer* player = As<TSWPlayer>(players.Objects(i));
    if (player == nullptr) continue;
    out << "player " << Utf8Encode(players.Strings(i)) << " mana=" << player->Mana()
        << " perTick=" << player->ManaPerTick() << " insight=" << int{player->Insight()} << "\n";
  }
}

namespace {

// "  ability N SPEC recharge=LEFT/TOTAL", and " autocast" when it fires by itself.
void ListAbilities(const TSWFlower& object, std::ostream& out) {
  const TSWAbilityList& abilities = object.Abilities();
  for (int i = 0; i < abilities.Count(); ++i) {
    const TSWAbilityLink& link = *abilities.Links(i);
    out << "  ability " << i << " " << Utf8Encode(link.Name())
        << " recharge=" << link.CooldownLeft() << "/" << link.CooldownTotal()
        << (link.Autocast() ? " autocast" : "") << "\n";
  }
}

}  // namespace

void ListObjects(const TSWMap& map, std::ostream& out) {
  const TSWMapCells& cells = map.Cells();
  for (int y = 0; y < cells.CellsY(); ++y)
    for (int x = 0; x < cells.CellsX(); ++x) {
      const TSWMapCell& cell = cells.Cell(x, y);
      const TSWMapCellSlots& slots = cell.Slots();
      for (int i = 0; i < slots.Count(); ++i) {
        const TSWFlower& object = slots.Flowers(i);
        out << Utf8Encode(CellText(cell)) << " " << Utf8Encode(slots.Strings(i)) << " "
            << Utf8Encode(ObjectText(object)) << " " << Utf8Encode(OwnerText(object)) << " "
            << object.HP() << "/" << object.MaxHP() << " level " << object.Level() << "\n";
        ListAbilities(object, out);
      }
    }
}
