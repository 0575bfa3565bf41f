#pragma once
// A game for the ability tests, in turn mode: a store over a test data folder with objects,
// abilities, language strings and icons, the players Gaia and Player1, a map control whose
// cells are 8 x 8 pixels (so a click at a cell's position + (3, 3) hits that cell), and a
// loader that starts each test's own map file.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "config/data_folder_fixture.h"
#include "config/event_names.h"
#include "game/ability.h"
#include "game/ability_link.h"
#include "game/flower.h"
#include "game/game.h"
#include "game/player.h"
#include "map/map_cell.h"
#include "map/map_generator.h"
#include "map/sw_map.h"

// Records the object events of the objects it watches, without the object token.
class AbilityEvents : public TObject {
 public:
  void Watch(TSWObject& object,
             std::initializer_list<WideString> names = {kEventFire, kEventEnd, kEventCancel});
  void OnEvent(TSWConfig* sender, const WideString& eventName, TObject* arg);

  std::vector<WideString> Names;
};

class AbilityTest : public DataFolderTest {
 protected:
  AbilityTest();

  // Writes maps\field.ini, a board of `width` x `height` soil cells followed by `extra` (object
  // sections, overrides of objects.ini and abilities.ini), and starts a game on it.
  void StartGame(int width, int height, const std::string& extra = "");
  TSWMapCell& CellAt(int x, int y) { return map.Cell(x, y); }
  // Adds the object made from `spec` to the cell for `owner` and returns it.
  TSWFlower& Put(int x, int y, const WideString& spec, TSWPlayer& owner);
  // The object of the cell's slot `kind`, or nullptr.
  TSWFlower* At(int x, int y, const WideString& kind);
  TSWAbilityLink& LinkOf(const TSWFlower& flower, int index = 0);
  void Tick(int count = 1);
  // Raises the player's mana by `amount` through one tick with a mana bonus of that size.
  void GiveMana(TSWPlayer& player, int32_t amount);
  // A left click, without modifiers, inside the cell.
  void ClickCell(int x, int y);

  TSWMap map;
  TSWMapLoader loader;
  TSWPlayer gaia;
  TSWPlayer player1;
  TSWGame game;
};
