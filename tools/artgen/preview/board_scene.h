#pragma once
// The sample garden that the board preview shows: soils, overlays and objects per cell, with
// the paint rules each object kind follows on the real board.
#include <string>
#include <vector>

namespace artgen {

struct TKindLook {
  int paintDX = 0;
  int paintDY = 0;
  bool exact = false;       // drawn at the offset as it is (shadow, light), else placed
  bool sideBySide = false;  // shares the free width with the cell's other slot objects
  int order = 5;            // paint order within the cell
};

// The look of an object image: "bloomer", "shadow tree", "puddle small", ...
TKindLook LookOf(const std::string& image);

struct TSceneObject {
  std::string image;  // below objects/
  TKindLook look;
  int index = 0;  // among the cell's side-by-side objects
  int count = 1;
};

struct TSceneCell {
  std::string image = "cell";
  std::vector<std::string> overlays;
  std::vector<TSceneObject> objects;
  bool null = false;
};

class TBoardScene {
 public:
  explicit TBoardScene(int cells);
  TSceneCell& At(int x, int y) { return cells_[static_cast<size_t>(y) * size_ + x]; }
  const TSceneCell& At(int x, int y) const { return cells_[static_cast<size_t>(y) * size_ + x]; }
  // Adds the objects to the cell, numbering the side-by-side ones.
  void Put(int x, int y, const std::vector<std::string>& images);

 private:
  int size_;
  std::vector<TSceneCell> cells_;
};

TBoardScene SampleScene(int cells);

}  // namespace artgen
