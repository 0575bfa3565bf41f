#include "game/map_flooder.h"

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
  // Each cell flooded from is one entry: the walk goes as deep as the cells it adds.
  std::vector<TPending> pending;
  pending.push_back({depth, Expand(x, y, depth)});
  while (!pending.empty()) {
    TPending& top = pending.back();
    if (top.Added.empty()) {
      pending.pop_back();
      continue;
    }
    const TPoint cell = top.Added.back();
    top.Added.pop_back();
    const int next = top.Depth - 1;
    pending.push_back({next, Expand(cell.X, cell.Y, next)});
  }
}

std::vector<TPoint> TSWMapFlooder::Expand(int x, int y, int depth) {
  std::vector<TPoint> added;
  if (depth < 1) return added;
  TryAdd(x, y);
  for (const TPoint& step : kOrthogonalSteps)
    if (TryAdd(x + step.X, y + step.Y)) added.push_back({x + step.X, y + step.Y});
  for (const TPoint& step : kDiagonalSteps) {
    const bool sidesBlocked = IsBlocked(x + step.X, y) && IsBlocked(x, y + step.Y);
    if (!sidesBlocked && TryAdd(x + step.X, y + step.Y)) added.push_back({x + step.X, y + step.Y});
  }
  return added;
}

bool TSWMapFlooder::IsBlocked(int x, int y) const {
  return map_->IsOutside(x, y) || (blocks_ && blocks_(map_->Cell(x, y)));
}

bool TSWMapFlooder::TryAdd(int x, int y) {
  if (IsBlocked(x, y) || flooded_->Contains(x, y)) return false;
  flooded_->Add(x, y);
  return true;
}
