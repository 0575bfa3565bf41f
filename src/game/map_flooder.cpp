#include "game/map_flooder.h"

#include <vector>

#include "base/errors.h"
#include "map/basic_map.h"
#include "map/coords_list.h"

SW_CLASS_DEFINE(TSWMapFlooder, TObject)

namespace {

constexpr TPoint kOrthogonalSteps[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
// Each diagonal's side cells are (DX, 0) and (0, DY).
constexpr TPoint kDiagonalSteps[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

}  // namespace

void TSWMapFlooder::Start(int x, int y, int depth) {
  if (flooded_ == nullptr)
    Raise<EComponentError>(u"Flooded list must be assigned prior to calling TSWMapFlooder.Start.");
  Flood(x, y, depth);
}

void TSWMapFlooder::Flood(int x, int y, int depth) {
  if (depth < 1) return;
  TryAdd(x, y);
  std::vector<TPoint> added;
  for (const TPoint& step : kOrthogonalSteps)
    if (TryAdd(x + step.X, y + step.Y)) added.push_back({x + step.X, y + step.Y});
  for (const TPoint& step : kDiagonalSteps) {
    const bool sidesBlocked = IsBlocked(x + step.X, y) && IsBlocked(x, y + step.Y);
    if (!sidesBlocked && TryAdd(x + step.X, y + step.Y)) added.push_back({x + step.X, y + step.Y});
  }
  for (auto cell = added.rbegin(); cell != added.rend(); ++cell) Flood(cell->X, cell->Y, depth - 1);
}

bool TSWMapFlooder::IsBlocked(int x, int y) const {
  return map_->IsOutside(x, y) || (blocks_ && blocks_(map_->Cell(x, y)));
}

bool TSWMapFlooder::TryAdd(int x, int y) {
  if (IsBlocked(x, y) || flooded_->Contains(x, y)) return false;
  flooded_->Add(x, y);
  return true;
}
