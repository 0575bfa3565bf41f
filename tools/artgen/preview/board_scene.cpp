#include "preview/board_scene.h"

#include <map>

namespace artgen {

TKindLook LookOf(const std::string& image) {
  static const std::map<std::string, TKindLook> kLooks = {
      {"bloomer", {0, -5, false, true, 7}},
      {"melly", {0, -1, false, true, 7}},
      {"oracle", {0, -4, false, true, 7}},
      {"bean", {0, -2, false, true, 7}},
      {"vegbloomer", {0, -4, false, true, 7}},
      {"weed", {0, -10, false, true, 7}},
      {"seed", {0, 0, false, true, 7}},
      {"puddle", {0, 0, false, false, 5}},
      {"fence", {0, -11, false, false, 10}},
      {"path", {0, 0, false, false, 2}},
      {"light", {10, -9, true, false, 5}},
      {"shadow", {23, -35, true, false, 10}},
      {"shadow variant", {41, -43, true, false, 10}},
  };
  const size_t space = image.find(' ');
  if (space == std::string::npos) return kLooks.at(image);
  const std::string kind = image.substr(0, space);
  return kLooks.at(kind == "shadow" ? "shadow variant" : kind);
}

TBoardScene::TBoardScene(int cells) : size_(cells), cells_(static_cast<size_t>(cells) * cells) {}

void TBoardScene::Put(int x, int y, const std::vector<std::string>& images) {
  TSceneCell& cell = At(x, y);
  for (const std::string& image : images) cell.objects.push_back({image, LookOf(image)});
  int count = 0;
  for (const TSceneObject& object : cell.objects) count += object.look.sideBySide ? 1 : 0;
  int index = 0;
  for (TSceneObject& object : cell.objects) {
    if (!object.look.sideBySide) continue;
    object.index = index++;
    object.count = count;
  }
}

TBoardScene SampleScene(int cells) {
  TBoardScene scene(cells);
  static const char* const kSoils[] = {"cell", "soil clay", "soil loamy", "soil fertile", "cell"};
  for (int y = 0; y < cells; ++y) {
    for (int x = 0; x < cells; ++x) scene.At(x, y).image = kSoils[(x / 2 + y / 3) % 5];
  }
  scene.Put(1, 0, {"bloomer"});
  scene.Put(2, 0, {"oracle"});
  scene.Put(3, 0, {"melly"});
  scene.Put(4, 0, {"bean"});
  scene.Put(5, 0, {"vegbloomer"});
  scene.Put(6, 0, {"weed"});
  scene.Put(7, 0, {"seed"});
  scene.Put(9, 0, {"bloomer"});
  scene.Put(1, 2, {"bloomer", "weed"});
  scene.Put(3, 2, {"path"});
  scene.Put(4, 2, {"path", "seed"});
  scene.Put(5, 2, {"path"});
  scene.Put(6, 2, {"puddle"});
  scene.Put(9, 2, {"puddle small"});
  for (int y = 3; y <= 6; ++y) scene.Put(1, y, {"fence"});
  scene.Put(5, 4, {"light", "bloomer"});
  scene.Put(6, 4, {"light"});
  scene.Put(7, 5, {"shadow", "oracle"});
  scene.Put(9, 5, {"weed", "melly"});
  scene.Put(4, 7, {"shadow tree", "vegbloomer"});
  scene.Put(8, 7, {"shadow rock", "melly"});
  scene.Put(2, 8, {"puddle large"});
  scene.Put(6, 8, {"melly", "bean"});
  scene.Put(9, 9, {"oracle"});
  scene.Put(3, 9, {"weed", "seed"});
  scene.At(7, 2).null = true;
  scene.At(8, 2).null = true;
  scene.At(3, 4).overlays.push_back("cell border selected");
  scene.At(5, 4).overlays.push_back("cell border over");
  for (int y = 6; y < cells; ++y) {
    for (int x = 0; x < 4; ++x) scene.At(x, y).overlays.push_back("cell non-selectable");
    for (int x = 5; x < cells; ++x) scene.At(x, y).overlays.push_back("cell border");
  }
  return scene;
}

}  // namespace artgen
