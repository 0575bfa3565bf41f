#pragma once
// How often area damage reaches each cell: the number of walks of at most `radius` steps to a
// grid neighbour (any of the eight) that start on one cell, stay inside the grid and end on the
// cell. The walks are counted step by step over the cells in reach rather than walked one by one,
// so the work grows with cells x steps, not with the number of walks (which grows as 9^radius).
#include <cstdint>
#include <vector>

struct TCellWalks {
  int X;
  int Y;
  // Held at kEnoughHits: more walks hurt no more than that many.
  int64_t Walks;
};

// Every cell some walk ends on, nearest first (counted in steps), each ring row by row. A radius
// below 0 counts as 0. Counting stops at the step after which no count can change any more: when
// every count is held at kEnoughHits, or when the counts per step repeat every second step (a
// grid of at most two cells), whose remaining steps are added at once. On a grid of three cells
// or more that is at most the grid's longer side plus about 70 steps, whatever the radius.
std::vector<TCellWalks> CountWalks(int cellsX, int cellsY, int x, int y, int32_t radius);
