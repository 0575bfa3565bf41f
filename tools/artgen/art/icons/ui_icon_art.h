#pragma once
// Window glyphs ("ui\..."): the toolbar switches, the info panels' icons, the ability
// panel's cancel image and auto-cast mark, and the debug window's buttons.
#include "draw/art_canvas.h"

namespace artgen {

TArtCanvas PaintInfoOnHoverGlyph();   // 16 x 16
TArtCanvas PaintShowGridGlyph();      // 16 x 16
TArtCanvas PaintPauseGlyph();         // 16 x 16
TArtCanvas PaintDebugGlyph();         // 16 x 16
TArtCanvas PaintHpIcon();             // 16 x 16
TArtCanvas PaintManaIcon();           // 16 x 16
TArtCanvas PaintCoordsIcon();         // 17 x 17
TArtCanvas PaintFlowerIcon();         // 32 x 32
TArtCanvas PaintCancelImage();        // 32 x 32
TArtCanvas PaintAutocastMark();       // 16 x 16
TArtCanvas PaintSaveClickMapGlyph();  // 16 x 16
TArtCanvas PaintCopyGlyph();          // 16 x 16

}  // namespace artgen
