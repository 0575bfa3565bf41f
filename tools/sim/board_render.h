#pragma once
// A picture of the board as the window's map control paints it.
#include "base/wide_string.h"

class TSWMap;

// Paints the whole board, over a plain background, into an image of the click map's size and
// writes it as a PNG file. Fails with the engine's message when an image is missing or the file
// cannot be written.
void RenderBoard(TSWMap& map, const WideString& fileName);
