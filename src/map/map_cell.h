#pragma once
// One cell of the board: its grid coordinates, its terrain, the image it paints, its hover and
// selection marks, and the slots holding the objects that live on it. A cell raises the object
// events "slot add", "slot delete", "slot level up", "before paint" and "after paint".
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "config/event_names.h"
#include "config/sw_object.h"
#include "platform/geometry.h"

class TCanvas;
class TPngImage;
class TSWCellObject;
class TSWMapCellSlots;
class TSWMapCells;

// A test on one object; an empty filter lets every object pass.
using TSWCellObjectFilter = TBoundMethod<bool(TSWCellObject* object)>;

class TSWMapCell : public TSWObject {
  SW_CLASS(TSWMapCell)

  // Cells are made only through NewMapCell, which runs Init once the cell is whole; the key
  // keeps anything else from constructing one and forgetting it.
  class TCreationKey {
    TCreationKey() = default;
    template <class T>
    friend TSWMapCell* NewMapCell(TSWMapCells* cells, int x, int y);
  };

  // Terrain "terrain", no marks, empty slots.
  TSWMapCell(TCreationKey, TSWMapCells* cells, int x, int y);
  ~TSWMapCell() override;

  // The store of the grid's map; nullptr without a map or a store.
  TSWConfig* GetConfig() const override;
  // "slot add" first lets SlotAdded see the object, before any subscriber does.
  void RaiseEvent(const WideString& name, TObject* arg = nullptr) override;

  // Resets the kind's own fields: ImageName "cell" here.
  virtual void Init();
  // Runs for every object added to the cell, before "slot add" reaches the subscribers.
  virtual void SlotAdded(TSWCellObject& object);
  // Terrain := Params[0] in lower case.
  virtual void LoadFrom(const std::vector<WideString>& params);

  // "before paint", Paint, "after paint"; the events carry the cell.
  void Render(TCanvas& canvas);
  // The canvas Render is drawing on, nullptr outside Render: whatever handles the cell's paint
  // events draws there.
  TCanvas* RenderCanvas() const { return renderCanvas_; }
  // The cell image, its overlays, its objects, then the board edges of the last column and row.
  virtual void Paint(TCanvas& canvas);
  // Each at the cell's position, in this order and only when it applies: "cell non-selectable"
  // (the map's selection rejects the cell), "cell border" (the store shows the grid), "cell
  // border selected", "cell border over".
  virtual void PaintOverlays(TCanvas& canvas);
  // Every object in slot order (ascending paint order), at the cell's position.
  virtual void PaintSlots(TCanvas& canvas);

  TSWMapCells& Cells() const { return *cells_; }
  // Made on first use: most cells of a board never hold an object.
  TSWMapCellSlots& Slots() const;
  int32_t X() const { return x_; }
  int32_t Y() const { return y_; }
  const WideString& ImageName() const { return imageName_; }
  const WideString& Terrain() const { return terrain_; }

  // The map's mark kinds (0 to 7) as bits: bit 0 the mouse is over the cell, bit 1 it is the
  // selected cell.
  uint8_t States() const { return states_; }
  bool HasState(int kind) const { return (states_ >> kind) & 1; }
  void SetState(int kind, bool on);

  // The top-left pixel of the cell (the grid's CellPosition).
  TPoint Position() const;
  // (Y x 65536 + X) + 1, times 30 (wrapping) while the grid's DebugColors is set; 0 is no cell.
  uint32_t ClickColor() const;

  // Hits every object that passes `filter` `hits` times with `damage`, walking from the last
  // object to the first so that an object dying does not move the ones still to be visited.
  void HurtSlots(int32_t damage, const TSWCellObjectFilter& filter = {}, int64_t hits = 1);
  // Hurts the cells around this one as HurtSlots here and then, while radius > 0, HurtArea(radius
  // - 1) on each of the eight grid neighbours inside the grid would: nothing is marked as
  // visited, so a cell is hurt once for every walk of at most `radius` steps that ends on it.
  // The walks are counted (CountWalks), and each cell takes its hits at once, nearest cells first.
  void HurtArea(int32_t damage, int32_t radius, const TSWCellObjectFilter& filter = {});

  void SubscribeSlotAdd(const TSWEventHandler& handler) { Subscribe(kEventSlotAdd, handler); }
  void SubscribeSlotDelete(const TSWEventHandler& handler) { Subscribe(kEventSlotDelete, handler); }
  void SubscribeSlotLevelUp(const TSWEventHandler& handler) {
    Subscribe(kEventSlotLevelUp, handler);
  }

  // The cell's instance size and its slots' MemorySize.
  size_t MemorySize() const;

 protected:
  // The objects on the cell go first, while the cell is whole.
  void BeforeDestruction() override;
  // Draws the package image `name` at (x, y).
  void DrawImage(TCanvas& canvas, WideStringView name, int x, int y) const;
  void SetImageName(const WideString& imageName) { imageName_ = imageName; }

 private:
  friend class TSWMapCells;  // renumbers the cells it keeps when it resizes
  void MoveTo(int x, int y) {
    x_ = x;
    y_ = y;
  }
  // The store's package image; fails with "%s cannot paint without a configuration store."
  // (EInvalidOperation) when the cell has none.
  TPngImage& Image(WideStringView name) const;
  // The objects on the cell, without making its slots.
  int SlotCount() const;

  TSWMapCells* cells_;
  mutable std::unique_ptr<TSWMapCellSlots> slots_;
  int32_t x_;
  int32_t y_;
  WideString imageName_;
  WideString terrain_ = u"terrain";
  uint8_t states_ = 0;
  TCanvas* renderCanvas_ = nullptr;
};

// What the class registry stores for a cell class, behind TGenericFactory.
using TSWMapCellFactory = TSWMapCell* (*)(TSWMapCells* cells, int x, int y);

// Constructs T for (x, y) of the grid, then runs its Init.
template <class T>
TSWMapCell* NewMapCell(TSWMapCells* cells, int x, int y) {
  TOwned<T> cell = MakeOwned<T>(TSWMapCell::TCreationKey{}, cells, x, y);
  cell->Init();
  return cell.release();
}

// Makes T creatable by CreateFrom with the base TSWMapCell.
template <class T>
void RegisterMapCellClass() {
  RegisterClass(T::StaticClass(), reinterpret_cast<TGenericFactory>(&NewMapCell<T>));
}

// A new cell of a class registered by RegisterMapCellClass.
TOwned<TSWMapCell> CreateMapCell(const TRegisteredClass& cellClass, TSWMapCells* cells, int x,
                                 int y);
