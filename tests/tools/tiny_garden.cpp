#include "tools/tiny_garden.h"

#include "support/png_writer.h"

namespace {

constexpr const char* kObjects =
    "[bloomer]\n"
    "HP=10\n"
    "[bloomer levels]\n"
    "3 1m\n"
    "[bloomer abilities at 1]\n"
    "seed,bloomer\n"
    "[melly]\n"
    "HP=8\n"
    "ManaPerTick=2 1\n"
    "[weed]\n"
    "HP=5\n"
    "[seed growth]\n"
    "bloomer=4\n"
    "*=1\n"
    "[seed soil req]\n"
    "*=soil, clay\n";

constexpr const char* kAbilities =
    "[seed]\n"
    "cooldown=2 20-40\n"
    "[seed distances]\n"
    "*=1 1\n"
    "[seed mana req]\n"
    "*=3 3\n";

constexpr const char* kLanguage =
    "[Strings]\n"
    "flower: bloomer=Bloomer\n"
    "flower: melly=Melly\n"
    "flower: weed=Weed\n"
    "flower: seed=Seed\n"
    "ability: seed=Plant\n"
    "cell: soil=Soil\n"
    "cell: clay=Clay\n"
    "player: Gaia=Gaia\n"
    "player: Player1=You\n";

constexpr const char* kMap =
    "[General]\n"
    "Name=Tiny\n"
    "Width=3\n"
    "Height=2\n"
    "[Tiles]\n"
    "Y0=soil,soil,clay\n"
    "Y1=soil,soil,soil\n"
    "[Objects of Player1]\n"
    "0:1=bloomer\n"
    "1:1=melly\n"
    "[Objects of Gaia]\n"
    "2:0=weed\n";

// Every image the tiny garden draws, with a size that keeps the board's shapes apart.
struct TImageFile {
  const char* Name;
  int Width;
  int Height;
};
constexpr TImageFile kImages[] = {{"cell", 42, 19},
                                  {"cell non-selectable", 42, 19},
                                  {"cell border", 42, 19},
                                  {"cell border selected", 42, 19},
                                  {"cell border over", 42, 19},
                                  {"board right", 4, 19},
                                  {"board bottom", 42, 4},
                                  {"soil clay", 42, 19},
                                  {"objects/bloomer", 10, 20},
                                  {"objects/melly", 10, 20},
                                  {"objects/weed", 10, 20},
                                  {"objects/seed", 6, 6},
                                  {"abilities/seed 16", 16, 16},
                                  {"abilities/seed 32", 32, 32}};

}  // namespace

TinyGardenTest::TinyGardenTest() {
  for (const char* subfolder : {"maps", "images", "images/objects", "images/abilities"})
    folder.MakeFolder(subfolder);
  folder.WriteFile("objects.ini", kObjects);
  folder.WriteFile("abilities.ini", kAbilities);
  folder.WriteFile("lang.ini", kLanguage);
  folder.WriteFile("maps/genesis.ini", kMap);
  for (const TImageFile& image : kImages)
    WriteImage(std::string("images/") + image.Name + ".png", image.Width, image.Height);
}

void TinyGardenTest::WriteImage(const std::string& relative, int width, int height) const {
  TTestPng png;
  png.Width = width;
  png.Height = height;
  for (int i = 0; i < width * height; ++i)
    png.Samples.insert(png.Samples.end(), {90, 140, 60, 255});
  folder.WriteFile(relative, EncodePng(png));
}
