#pragma once
// Counts the heap allocations this thread makes while a TAllocationCount is alive. Other threads
// and other tests are not counted, and allocation itself behaves as usual.

class TAllocationCount {
 public:
  TAllocationCount();
  ~TAllocationCount();
  TAllocationCount(const TAllocationCount&) = delete;
  TAllocationCount& operator=(const TAllocationCount&) = delete;

  // Allocations since construction.
  int Made() const;
};

// Makes `pointer` visible outside the function, so the optimizer keeps its allocation.
void EscapeToOptimizer(const void* pointer);
