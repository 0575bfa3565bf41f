#pragma once
// Where in a map file a load failed: "maps\genesis.ini [Tiles] Y3", put before the message of
// an error escaping that step, as the data checker names its places. Without a file name (a map
// read from an ini that is no package item) the message is left as it is.
#include "base/errors.h"

template <class Action>
void AtMapFilePlace(const WideString& file, WideStringView section, WideStringView key,
                    Action&& action) {
  if (file.empty()) {
    action();
    return;
  }
  AtPlace([&] { return file + u" [" + WideString(section) + u"] " + WideString(key); }, action);
}

// "cell 3:4": where on the board an object failed.
inline WideString CellPlace(int x, int y) { return u"cell " + IntToWide(x) + u":" + IntToWide(y); }
