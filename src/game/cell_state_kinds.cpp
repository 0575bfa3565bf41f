#include "game/cell_state_kinds.h"

#include "platform/canvas.h"

SW_CLASS_DEFINE(TSWFlower_Shadow, TSWCellState)
SW_CLASS_DEFINE(TSWFlower_Light, TSWFlower_Shadow)
SW_CLASS_DEFINE(TSWFlower_Puddle, TSWCellState)
SW_CLASS_DEFINE(TSWFlower_Fence, TSWCellState)
SW_CLASS_DEFINE(TSWFlower_Path, TSWCellState)

void TSWFlower_Shadow::Init() {
  TSWCellState::Init();
  acceptsVariant_ = true;
}

void TSWFlower_Shadow::LoadFrom(const std::vector<WideString>& params) {
  TSWCellState::LoadFrom(params);
  if (variant_.empty()) {
    paintDX_ = 23;
    paintDY_ = -35;
    return;
  }
  paintDX_ = 41;
  paintDY_ = -43;
  CoverRegion(3, 1);
}

void TSWFlower_Shadow::Paint(TCanvas& canvas, int x, int y) {
  canvas.DrawImage(x + paintDX_, y + paintDY_, ObjectImage(Name() + variant_));
}

void TSWFlower_Light::Init() {
  TSWFlower_Shadow::Init();
  acceptsVariant_ = false;
}

void TSWFlower_Light::LoadFrom(const std::vector<WideString>& params) {
  TSWFlower_Shadow::LoadFrom(params);
  paintDX_ = 10;
  paintDY_ = -9;
}

void TSWFlower_Puddle::Init() {
  TSWCellState::Init();
  acceptsVariant_ = true;
}

void TSWFlower_Fence::Init() {
  TSWCellState::Init();
  paintDY_ = -11;
}
