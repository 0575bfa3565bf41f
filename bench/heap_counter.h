#pragma once
// Live heap bytes of the whole program, counted by the bench binary's own global operator new
// and delete, so a benchmark can report what a structure keeps per cell or per object.
#include <cstdint>

// Bytes allocated and not yet freed.
int64_t LiveHeapBytes();
