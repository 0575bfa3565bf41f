#pragma once
// What a cell and its slots need of the objects they hold. The objects themselves belong to the
// game (TSWFlower and its kinds); the slots make them through the family the game registers.
#include <cstdint>
#include <vector>

#include "config/sw_object.h"

class TCanvas;
class TSWMapCellSlots;

// 2^32 - 1 hits of at least 1 take any 32-bit HP from one end of the range to the other.
constexpr int64_t kEnoughHits = (int64_t{1} << 32) - 1;

class TSWCellObject : public TSWObject {
  SW_CLASS(TSWCellObject)

  // The name of the slot the object occupies in its cell.
  virtual WideString GetKind() const = 0;
  // Objects of a cell are drawn in ascending paint order.
  virtual int16_t PaintOrder() const = 0;
  // Draws the object in the cell whose top-left pixel is (x, y).
  virtual void Paint(TCanvas& canvas, int x, int y) = 0;
  // Asks the map to repaint the cells the object's image reaches into.
  virtual void InvalidateCells() = 0;
  // Loads the object from its type specification's parameters, the kind word first.
  virtual void LoadFrom(const std::vector<WideString>& params) = 0;
  // Takes `amount` hit points `hits` times in a row, exactly as that many single hits would: the
  // hit that leaves it below 1 HP is the last, as the object dies of it, which destroys it.
  // More than kEnoughHits hits change nothing that fewer would not.
  virtual void TakeHits(int32_t amount, int64_t hits) = 0;
  void Damage(int32_t amount) { TakeHits(amount, 1); }

  // What a soil needs to grant its bonus.
  virtual const WideString& Name() const = 0;
  virtual int32_t HP() const = 0;
  virtual int32_t MaxHP() const = 0;
  virtual int32_t ExchangeHP(int32_t hp) = 0;

 protected:
  TSWCellObject() = default;
};

// What the class registry stores for a class of cell objects, behind TGenericFactory: it makes
// a whole object in `slots` for `player`.
using TSWCellObjectFactory = TSWCellObject* (*)(TSWMapCellSlots* slots, TObject* player);

// The class every cell object kind descends from, against which CreateFrom resolves type words.
// The layer that defines the kinds registers it once at start-up.
void RegisterCellObjectFamily(const TClass& baseClass);
// Fails with "No class of cell objects is registered." (EInvalidOperation) before that.
const TClass& CellObjectFamily();

// A new object of a class registered with a TSWCellObjectFactory.
TOwned<TSWCellObject> CreateCellObject(const TRegisteredClass& objectClass, TSWMapCellSlots* slots,
                                       TObject* player);
