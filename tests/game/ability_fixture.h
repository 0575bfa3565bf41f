#pragma once
// A game session for the ability tests, in turn mode, over a test data folder with objects,
// abilities, language strings and icons; its map control's cells are 8 x 8 pixels (so a click at
// a cell's position + (3, 3) hits that cell), and its loader starts each test's own map file.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "config/data_folder_fixture.h"
#include "config/event_names.h"
#include "game/ability.h"
#include "game/ability_link.h"
#include "game/flower.h"
#include "game/game_session.h"
#include "map/map_cell.h"

// Records the object events of the objects it watches, without the object token.
class AbilityEvents : public TObject {
 public:
  void Watch(TSWObject& object,
             std::initializer_list<WideString> names = {kEventFire, kEventEnd, kEventCancel});
  void OnEvent(TSWConfig* sender, const WideString& eventName, TObject* arg);

  std::vector<WideString> Names;
};

// The files of the ability tests, written before the session loads the language and the cell.
class AbilityFilesTest : public DataFilesTest {
 protected:
  AbilityFilesTest();
};

class AbilityTest : public AbilityFilesTest {
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

  TSWGameSession session{folder.NameOf(""), u"maps\\field", tmTurn};
  TSWFolderPackage& package = session.Package();
  TSWConfig& config = session.Config();
  TSWMap& map = session.Map();
  TSWPlayer& gaia = session.Gaia();
  TSWPlayer& player1 = session.Player1();
  TSWGame& game = session.Game();
};
