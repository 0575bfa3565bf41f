#include "game/ability_fixture.h"

#include <stdexcept>

#include "config/event_hash.h"
#include "game/ability_kinds.h"
#include "game/ability_list.h"
#include "game/flower_kinds.h"
#include "map/map_cell_slots.h"
#include "map/soil_cells.h"

namespace {

constexpr int kCellSide = 8;

std::string OpaquePng(int width, int height, uint16_t red) {
  TTestPng image;
  image.Width = width;
  image.Height = height;
  for (int i = 0; i < width * height; ++i)
    image.Samples.insert(image.Samples.end(), {red, 0, 0, 255});
  return EncodePng(image);
}

std::string BoardText(int width, int height) {
  std::string row = "soil";
  for (int x = 1; x < width; ++x) row += ",soil";
  std::string text = "[General]\nName=Field\nWidth=" + std::to_string(width) +
                     "\nHeight=" + std::to_string(height) + "\n[Tiles]\n";
  for (int y = 0; y < height; ++y) text += "Y" + std::to_string(y) + "=" + row + "\n";
  return text;
}

}  // namespace

void AbilityEvents::Watch(TSWObject& object, std::initializer_list<WideString> names) {
  for (const WideString& name : names)
    object.Subscribe(name, TSWEventHandler::Of<&AbilityEvents::OnEvent>(this));
}

void AbilityEvents::OnEvent(TSWConfig* /*sender*/, const WideString& eventName, TObject* /*arg*/) {
  Names.push_back(eventName.substr(3));
}

AbilityFilesTest::AbilityFilesTest() {
  folder.MakeFolder("images/abilities");
  folder.MakeFolder("images/objects");
  folder.WriteFile("images/cell.png", OpaquePng(kCellSide, kCellSide, 1));
  folder.WriteFile("images/abilities/seed 16.png", OpaquePng(16, 16, 16));
  folder.WriteFile("images/abilities/vegetate 32.png", OpaquePng(32, 32, 32));
  folder.WriteFile("images/objects/bloomer.png", OpaquePng(20, 24, 200));
  folder.WriteFile("lang.ini", "[Strings]\nability: seed=Plant a seed\nability: spread=Spread\n");
  folder.WriteFile("objects.ini",
                   "[bloomer]\nHP=100\n"
                   "[bloomer abilities at 1]\nseed,bloomer\n"
                   "[weed]\nHP=30\n"
                   "[weed abilities at 1]\nspread,weed=autocast\n"
                   "[puddle]\n[fence]\n[path]\n"
                   "[seed growth]\n*=50\n"
                   "[seed soil req]\n*=\n");
  folder.WriteFile("abilities.ini",
                   "[seed]\ncooldown=5 1m-5m\n"
                   "[seed distances]\n*=1\n"
                   "[seed mana req]\nbloomer=3\n"
                   "[vegetate]\ncooldown=2 2\n"
                   "[spread]\ncooldown=4 4\ndamage=10\ndamage distance=1\n"
                   "[spread distances]\n*=1\n"
                   "[removepath]\ncooldown=3 3\n");
}

AbilityTest::AbilityTest() { map.SetGeometry({kCellSide, kCellSide, 0, 0, 4, 4}); }

void AbilityTest::StartGame(int width, int height, const std::string& extra) {
  folder.WriteFile("maps/field.ini", BoardText(width, height) + extra);
  game.Start();
}

TSWFlower& AbilityTest::Put(int x, int y, const WideString& spec, TSWPlayer& owner) {
  TSWMapCellSlots& slots = CellAt(x, y).Slots();
  slots.Add(spec, &owner);
  const WideString name = spec.substr(0, spec.find(u','));
  for (int i = 0; i < slots.Count(); ++i)
    if (slots.Flowers(i).Name() == name) return slots.Flowers(i);
  throw std::logic_error("the object did not arrive");
}

TSWFlower* AbilityTest::At(int x, int y, const WideString& kind) {
  return CellAt(x, y).Slots().Find(kind);
}

TSWAbilityLink& AbilityTest::LinkOf(const TSWFlower& flower, int index) {
  return *flower.Abilities().Links(index);
}

void AbilityTest::Tick(int count) {
  for (int i = 0; i < count; ++i) game.DeliverTick();
}

void AbilityTest::GiveMana(TSWPlayer& player, int32_t amount) {
  const TObject provider;
  config.Bonuses().SetBonus(&player, u"ManaPerTick", amount, &provider);
  Tick();
  config.Bonuses().RemoveProvider(&provider);
}

void AbilityTest::ClickCell(int x, int y) {
  const TPoint position = CellAt(x, y).Position();
  map.MouseUp(TMouseButton::Left, position.X + 3, position.Y + 3, 0);
}
