#include "art_catalog.h"

#include "art/board/board_edge_art.h"
#include "art/board/cell_overlay_art.h"
#include "art/board/soil_art.h"
#include "art/icons/ability_icon_art.h"
#include "art/icons/app_icon_art.h"
#include "art/icons/event_icon_art.h"
#include "art/icons/ui_icon_art.h"
#include "art/objects/object_art.h"
#include "art/scenery/intro_art.h"
#include "art/scenery/sky_art.h"

namespace artgen {

std::vector<TArtPiece> ArtCatalog() {
  return {
      {"cell", PaintPlainSoil},
      {"soil clay", PaintClaySoil},
      {"soil loamy", PaintLoamySoil},
      {"soil fertile", PaintFertileSoil},
      {"cell border", PaintCellBorder},
      {"cell border over", PaintCellBorderOver},
      {"cell border selected", PaintCellBorderSelected},
      {"cell non-selectable", PaintCellNonSelectable},
      {"cell null", PaintCellNull},
      {"board right", PaintBoardRight},
      {"objects/bloomer", PaintBloomer},
      {"objects/melly", PaintMelly},
      {"objects/oracle", PaintOracle},
      {"objects/bean", PaintBean},
      {"objects/vegbloomer", PaintVegbloomer},
      {"objects/weed", PaintWeed},
      {"objects/seed", PaintSeed},
      {"objects/puddle", PaintPuddle},
      {"objects/puddle small", PaintPuddleSmall},
      {"objects/puddle large", PaintPuddleLarge},
      {"objects/fence", PaintFence},
      {"objects/path", PaintPath},
      {"objects/light", PaintLight},
      {"objects/shadow", PaintShadow},
      {"objects/shadow tree", PaintShadowTree},
      {"objects/shadow rock", PaintShadowRock},
      {"board bottom", PaintBoardBottom},
      {"abilities/seed 16", PaintSeedAbility16},
      {"abilities/seed 32", PaintSeedAbility32},
      {"abilities/vegetate 16", PaintVegetateAbility16},
      {"abilities/vegetate 32", PaintVegetateAbility32},
      {"abilities/spread 16", PaintSpreadAbility16},
      {"abilities/spread 32", PaintSpreadAbility32},
      {"abilities/removepath 16", PaintRemovePathAbility16},
      {"abilities/removepath 32", PaintRemovePathAbility32},
      {"events/game start", PaintGameStartEvent},
      {"events/flower level up", PaintFlowerLevelUpEvent},
      {"events/flower grown", PaintFlowerGrownEvent},
      {"events/flower died", PaintFlowerDiedEvent},
      {"events/path removed", PaintPathRemovedEvent},
      {"background", PaintSkyBackground},
      {"cloud 1", PaintCloud},
      {"cloud moving", PaintMovingCloud},
      {"sun", PaintSun},
      {"intro background", PaintIntroBackground},
      {"ui/info on hover", PaintInfoOnHoverGlyph},
      {"ui/show grid", PaintShowGridGlyph},
      {"ui/pause", PaintPauseGlyph},
      {"ui/debug", PaintDebugGlyph},
      {"ui/hp", PaintHpIcon},
      {"ui/mana", PaintManaIcon},
      {"ui/coords", PaintCoordsIcon},
      {"ui/flower", PaintFlowerIcon},
      {"ui/cancel", PaintCancelImage},
      {"ui/autocast", PaintAutocastMark},
      {"ui/save clickmap", PaintSaveClickMapGlyph},
      {"ui/copy", PaintCopyGlyph},
  };
}

std::vector<TArtPiece> AppIconCatalog() {
  std::vector<TArtPiece> pieces;
  for (const int size : AppIconSizes()) {
    pieces.push_back(
        {std::to_string(size) + "x" + std::to_string(size), [size] { return PaintAppIcon(size); }});
  }
  return pieces;
}

}  // namespace artgen
