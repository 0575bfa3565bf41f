#pragma once
// The objects that lie on a cell and are drawn from an image of their own: the cell states
// (light, shadow, puddle, fence, path) and, below TSWSlotObject, the seeds, weeds and flowers
// proper, which stand side by side when a cell holds several of them.
//
// An image taller or wider than its cell reaches into the cells above and to the left, which
// are painted after the object's own cell and would cover it. So each object records those
// cells (CoverCells) and, whenever one of them has been painted, draws its own cell's objects
// again, clipped to that cell.
#include <cstdint>
#include <memory>

#include "game/flower.h"
#include "map/coords_list.h"

class TPngImage;
class TSWMapCell;

class TSWCellState : public TSWFlower {
  SW_CLASS(TSWCellState)

  TSWCellState(TCreationKey key, TSWMapCellSlots* slots, TObject* player);

  // No paint offset, no variant, then CoverCells.
  void Init() override;
  void InvalidateCells() override;
  int16_t PaintOrder() const override { return 5; }
  // The flower's loading; then, when the kind accepts a variant and Params[1] is not empty,
  // Variant := " " + Params[1].
  void LoadFrom(const std::vector<WideString>& params) override;
  // The image "objects\" + Name + Variant, centred in the cell at (x + PaintDX, y + PaintDY).
  void Paint(TCanvas& canvas, int x, int y) override;

  // Records the cells the kind's image reaches into: CoverRegion(1, 1) here.
  virtual void CoverCells();

  int32_t PaintDX() const { return paintDX_; }
  int32_t PaintDY() const { return paintDY_; }
  const TCoordsList& AffectedCells() const { return *affectedCells_; }
  bool AcceptsVariant() const { return acceptsVariant_; }
  const WideString& Variant() const { return variant_; }

 protected:
  // Withdraws the object's own subscriptions (so no overlay runs any more), asks for the repaint
  // of the cells it covered and drops them, before the flower's steps. What others registered on
  // the object's events stays until then, so they still hear its "free".
  void BeforeDestruction() override;
  // With (X, Y) the object's cell, takes every cell (X - i, Y - j) inside the map, i from 0 to
  // `height` and j from 1 to `width`: records it and follows its "after paint".
  void CoverRegion(int width, int height);
  // The package image "objects\" + name.
  const TPngImage& ObjectImage(const WideString& name) const;
  // Draws `image` as entry `index` of `count` objects standing side by side in the cell whose
  // top-left is (x, y).
  void PlaceImage(TCanvas& canvas, const TPngImage& image, int x, int y, int index,
                  int count) const;

  int32_t paintDX_ = 0;
  int32_t paintDY_ = 0;
  bool acceptsVariant_ = false;
  WideString variant_;

 private:
  // The overlay: after `arg`, an affected cell, was painted, the objects of the own cell are
  // drawn again clipped to it; when the canvas cannot clip, the own cell is rendered in full.
  void OnAfterPaint(TSWConfig* sender, const WideString& eventName, TObject* arg);
  TSWEventHandler OverlayHandler() {
    return TSWEventHandler::Of<&TSWCellState::OnAfterPaint>(this);
  }
  void WithdrawSubscriptions();

  std::unique_ptr<TCoordsList> affectedCells_;
};

// Seeds, weeds and flowers: they share the slot "flower" and stand side by side.
class TSWSlotObject : public TSWCellState {
  SW_CLASS(TSWSlotObject)

  using TSWCellState::TSWCellState;

  // Side by side.
  void Init() override;
  WideString GetKind() const override { return u"flower"; }
  int16_t PaintOrder() const override { return 7; }
  // The image "objects\" + Name at (x + PaintDX, y + PaintDY), as entry Index of Count, where
  // Count is the number of side-by-side objects in the cell and Index how many of them come
  // before this one in slot order.
  void Paint(TCanvas& canvas, int x, int y) override;
};
