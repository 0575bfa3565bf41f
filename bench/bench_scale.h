#pragma once
// Problem sizes of the benchmarks. SW_BENCH_QUICK=1 in the environment shrinks the large ones
// (by 4 for object counts, to 64 x 64 for the largest board) for a quick look.
#include <cstdint>

bool QuickBench();
// `full`, or a quarter of it in a quick run.
int64_t Scaled(int64_t full);
// The side of the largest empty board the simulator is run on.
int LargestBoardSide();
