#pragma once
// Splits text into the stretches between exact, case-sensitive occurrences of a delimiter.
#include <vector>

#include "base/wide_string.h"

inline constexpr size_t kExplodeMaxPieces = 65536;

// With `limit` above 0 at most `limit` pieces are made, the last holding the rest of `text`
// unsplit; 0 (or less) means no limit. An empty text gives one empty piece; leading, trailing and
// adjacent delimiters give empty pieces, which `skipEmpty` drops (they then count towards neither
// the limit nor the maximum). An empty delimiter splits nothing: the text is the only piece.
// More than kExplodeMaxPieces pieces fail with "Explode does not support more than 65536 pieces."
// (EOutOfMemory).
std::vector<WideString> Explode(WideStringView delimiter, WideStringView text, int limit = 0,
                                bool skipEmpty = false);
