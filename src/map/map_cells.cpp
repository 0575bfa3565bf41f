#include "map/map_cells.h"

#include <utility>

#include "base/errors.h"
#include "config/no_value.h"
#include "config/object_factory.h"
#include "containers/explode.h"
#include "containers/mem_ini_file_w.h"
#include "map/map_cell.h"
#include "map/map_file_place.h"

namespace {

// The registered cell class a tile names, or nullptr for any other text. An empty tile names
// none, though the factory refuses it as an empty specification rather than an unknown type.
const TRegisteredClass* TileClass(const WideString& tile, std::vector<WideString>& params) {
  if (tile.empty()) return nullptr;
  try {
    TTypeSpec spec = CreateFrom(tile, TSWMapCell::StaticClass());
    params = std::move(spec.Params);
    return spec.Class;
  } catch (const EComponentError&) {
    return nullptr;
  }
}

// " [General] Width is missing, so it is 10." when the size key did not give a size and the side
// has the size it then reads as; empty otherwise.
WideString SizeKeyNote(const TMemIniFileW& ini, WideStringView key, int side) {
  constexpr int kDefaultSide = 10;
  if (side != kDefaultSide) return {};
  const WideString value = ini.ReadString(u"General", key, NoValue);
  const WideString place = u" [General] " + WideString(key);
  if (value == NoValue) return place + u" is missing, so it is 10.";
  if (ini.ReadInteger(u"General", key, 0) != ini.ReadInteger(u"General", key, 1))
    return place + u" \"" + value + u"\" is not a number, so it is 10.";
  return {};
}

}  // namespace

TSWMapCells::TSWMapCells(TSWBasicMap* map) : map_(map) { Resize(); }

TSWMapCells::~TSWMapCells() = default;

void TSWMapCells::CheckSide(int32_t value, const char16_t* side) {
  if (value < 1)
    Raise<EInvalidArgument>(u"Map %s must be at least 1 - but %d was given.", {side, value});
  if (value > kMaxSide)
    Raise<EInvalidArgument>(u"Map %s must be at most %d - but %d was given.",
                            {side, kMaxSide, value});
}

void TSWMapCells::SetCellsX(int32_t cellsX) {
  CheckSide(cellsX, u"width");
  cellsX_ = cellsX;
  Resize();
}

void TSWMapCells::SetCellsY(int32_t cellsY) {
  CheckSide(cellsY, u"height");
  cellsY_ = cellsY;
  Resize();
}

void TSWMapCells::Resize() {
  for (int y = 0; y < cellsY_; ++y) {
    for (int x = 0; x < cellsX_; ++x) {
      const size_t index = static_cast<size_t>(y) * cellsX_ + x;
      if (index < cells_.size())
        cells_[index]->MoveTo(x, y);
      else
        cells_.emplace_back(NewMapCell<TSWMapCell>(this, x, y));
    }
  }
  const size_t count = static_cast<size_t>(cellsX_) * cellsY_;
  TFirstError errors;
  while (cells_.size() > count) {
    TSWMapCell* cell = cells_.back().release();
    cells_.pop_back();
    errors.Run([cell] { FreeObject(cell); });
  }
  errors.Rethrow();
}

TSWMapGeometry TSWMapCells::Geometry() const {
  return {cellWidth_, cellHeight_, cellSpacingX_, cellSpacingY_, marginX_, marginY_};
}

TPoint TSWMapCells::CellPosition(int x, int y) const {
  return CellPositionOn(Geometry(), cellsY_, x, y);
}

size_t TSWMapCells::IndexOf(int x, int y) const {
  const int64_t index = int64_t{y} * cellsX_ + x;
  if (index < 0 || index >= Count())
    Raise<EListError>(u"List index out of bounds (%d)", {static_cast<long long>(index)});
  return static_cast<size_t>(index);
}

TSWMapCell& TSWMapCells::Cell(int x, int y) const { return *cells_[IndexOf(x, y)]; }

void TSWMapCells::PutCell(int x, int y, TOwned<TSWMapCell> cell) {
  // The new cell is in place before the old one goes, so nothing reaches a dying cell here.
  TOwned<TSWMapCell>& place = cells_[IndexOf(x, y)];
  FreeObject(std::exchange(place, std::move(cell)).release());
}

TSWMapCell* TSWMapCells::CellByColor(uint32_t color) const {
  if (color == 0xFFFFFFFF) return nullptr;
  const uint32_t value = color - 1;
  const int x = static_cast<int>(value & 0xFFFF);
  const int y = static_cast<int>(value >> 16);
  return Contains(x, y) ? &Cell(x, y) : nullptr;
}

size_t TSWMapCells::MemorySize() const {
  size_t size = 0;
  for (const auto& cell : cells_) size += cell->MemorySize();
  return size;
}

void TSWMapCells::LoadFrom(const TMemIniFileW& ini, WideStringView section,
                           const WideString& file) {
  for (int y = 0; y < cellsY_; ++y) {
    const WideString key = u"Y" + IntToWide(y);
    AtMapFilePlace(file, section, key, [&] {
      const WideString row = ini.ReadString(section, key, NoValue);
      const std::vector<WideString> tiles = Explode(u",", row == NoValue ? WideString() : row);
      if (static_cast<int64_t>(tiles.size()) != cellsX_)
        Raise<EListError>(
            u"TSWMapCells.LoadFrom failed - Y%d line had wrong number of tiles (%d expected, %d "
            u"given).%s",
            {y, cellsX_, static_cast<int>(tiles.size()),
             row == NoValue
                 ? u" There is no " + key + u" line." + SizeKeyNote(ini, u"Height", cellsY_)
                 : SizeKeyNote(ini, u"Width", cellsX_)});
      LoadRow(y, tiles);
    });
  }
}

void TSWMapCells::LoadRow(int y, const std::vector<WideString>& tiles) {
  for (int x = 0; x < cellsX_; ++x) {
    std::vector<WideString> params{tiles[x]};
    const TRegisteredClass* cellClass = TileClass(tiles[x], params);
    TOwned<TSWMapCell> cell = cellClass ? CreateMapCell(*cellClass, this, x, y)
                                        : TOwned<TSWMapCell>(NewMapCell<TSWMapCell>(this, x, y));
    cell->LoadFrom(params);
    PutCell(x, y, std::move(cell));
  }
}
