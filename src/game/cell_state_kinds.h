#pragma once
// The cell states: light and shadow (sharing the slot "light"), puddles, fences and paths (each
// in the slot of its Name, so the data names them "puddle", "fence" and "path").
#include "game/cell_state.h"

// A shadow reaches two cells up; its variant, if any, reaches three.
class TSWFlower_Shadow : public TSWCellState {
  SW_CLASS(TSWFlower_Shadow)

  using TSWCellState::TSWCellState;

  // Accepts a variant.
  void Init() override;
  WideString GetKind() const override { return u"light"; }
  int16_t PaintOrder() const override { return 10; }
  void CoverCells() override { CoverRegion(2, 1); }
  // With a variant: offset (41, -43) and the region (3, 1) covered too; else (23, -35).
  void LoadFrom(const std::vector<WideString>& params) override;
  // The image "objects\" + Name + Variant with its top-left exactly at (x + PaintDX,
  // y + PaintDY).
  void Paint(TCanvas& canvas, int x, int y) override;
};

class TSWFlower_Light : public TSWFlower_Shadow {
  SW_CLASS(TSWFlower_Light)

  using TSWFlower_Shadow::TSWFlower_Shadow;

  // Accepts no variant.
  void Init() override;
  int16_t PaintOrder() const override { return 5; }
  void CoverCells() override { CoverRegion(1, 0); }
  // The shadow's loading, then the offset (10, -9).
  void LoadFrom(const std::vector<WideString>& params) override;
};

class TSWFlower_Puddle : public TSWCellState {
  SW_CLASS(TSWFlower_Puddle)

  using TSWCellState::TSWCellState;

  // Accepts a variant.
  void Init() override;
  void CoverCells() override {}
};

class TSWFlower_Fence : public TSWCellState {
  SW_CLASS(TSWFlower_Fence)

  using TSWCellState::TSWCellState;

  // Offset (0, -11).
  void Init() override;
  int16_t PaintOrder() const override { return 10; }
};

class TSWFlower_Path : public TSWCellState {
  SW_CLASS(TSWFlower_Path)

  using TSWCellState::TSWCellState;

  int16_t PaintOrder() const override { return 2; }
  void CoverCells() override {}
};
