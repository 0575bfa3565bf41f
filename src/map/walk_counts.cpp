#include "map/walk_counts.h"

#include <algorithm>
#include <cstdlib>

#include "map/cell_object.h"

namespace {

// The square of cells within `reach` steps of the start, cut to the grid, row by row.
class TReach {
 public:
  TReach(int cellsX, int cellsY, int x, int y, int reach)
      : left_(std::max(0, x - reach)),
        top_(std::max(0, y - reach)),
        width_(std::min(cellsX - 1, x + reach) - left_ + 1),
        height_(std::min(cellsY - 1, y + reach) - top_ + 1) {}

  int Size() const { return width_ * height_; }
  int Index(int x, int y) const { return (y - top_) * width_ + (x - left_); }
  int X(int index) const { return left_ + index % width_; }
  int Y(int index) const { return top_ + index / width_; }
  bool Contains(int x, int y) const {
    return x >= left_ && x < left_ + width_ && y >= top_ && y < top_ + height_;
  }

 private:
  int left_;
  int top_;
  int width_;
  int height_;
};

using TCounts = std::vector<int64_t>;

int64_t Held(int64_t count) { return std::min(count, kEnoughHits); }

// Walks one step longer: each cell gathers the walks that ended on its neighbours.
TCounts NextStep(const TReach& reach, const TCounts& walks) {
  TCounts next(walks.size(), 0);
  for (int i = 0; i < reach.Size(); ++i) {
    const int x = reach.X(i);
    const int y = reach.Y(i);
    int64_t sum = 0;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if ((dx != 0 || dy != 0) && reach.Contains(x + dx, y + dy))
          sum += walks[reach.Index(x + dx, y + dy)];
    next[i] = Held(sum);
  }
  return next;
}

// Adds `times` x `walks` to `total`, cell by cell. `times` is below 2^31 and each count at most
// kEnoughHits, so every product fits 64 bits.
void AddTimes(TCounts& total, const TCounts& walks, int64_t times) {
  for (size_t i = 0; i < total.size(); ++i) total[i] = Held(total[i] + Held(times * walks[i]));
}

bool AllHeld(const TCounts& total) {
  return std::all_of(total.begin(), total.end(),
                     [](int64_t count) { return count == kEnoughHits; });
}

int Distance(int x, int y, int toX, int toY) {
  return std::max(std::abs(x - toX), std::abs(y - toY));
}

}  // namespace

std::vector<TCellWalks> CountWalks(int cellsX, int cellsY, int x, int y, int32_t radius) {
  radius = std::max(radius, 0);
  // No walk leaves the square of `radius` steps; past the grid's size that is the whole grid.
  const TReach reach(cellsX, cellsY, x, y, std::min(radius, std::max(cellsX, cellsY)));
  TCounts older;
  TCounts previous(reach.Size(), 0);
  previous[reach.Index(x, y)] = 1;
  TCounts total = previous;
  for (int32_t step = 1; step <= radius && !AllHeld(total); ++step) {
    TCounts current = NextStep(reach, previous);
    AddTimes(total, current, 1);
    if (current == older) {
      // From here the steps bring `previous` and `current` by turns.
      const int64_t left = radius - step;
      AddTimes(total, previous, (left + 1) / 2);
      AddTimes(total, current, left / 2);
      break;
    }
    older = std::move(previous);
    previous = std::move(current);
  }
  std::vector<TCellWalks> cells;
  for (int i = 0; i < reach.Size(); ++i)
    if (total[i] > 0) cells.push_back({reach.X(i), reach.Y(i), total[i]});
  std::stable_sort(cells.begin(), cells.end(), [&](const TCellWalks& a, const TCellWalks& b) {
    return Distance(a.X, a.Y, x, y) < Distance(b.X, b.Y, x, y);
  });
  return cells;
}
