#pragma once
// The order of strings in sorted lists, binary search and unhashed lookups.
#include "base/wide_string.h"

// Negative, zero or positive as `a` sorts before, with or after `b`. Code units are compared by
// value, after upper-casing each through UpCaseUnit when not case-sensitive. This is a stable,
// locale-independent stand-in for a user collation: no registry of the game is sorted, and
// equality under it is exactly the equality the hashed lookups use.
int CollateW(WideStringView a, WideStringView b, bool caseSensitive);
