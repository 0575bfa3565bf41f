#pragma once
// How the headless runner names cells, objects and their owners in its output.
#include "base/wide_string.h"

class TSWFlower;
class TSWMapCell;

// "X:Y", counted from 0 as in map files and scripts.
WideString CellText(const TSWMapCell& cell);
// The object's Name; a seed adds the flower it grows into: "seed,bloomer".
WideString ObjectText(const TSWFlower& object);
// The owner's player name.
WideString OwnerText(const TSWFlower& object);
// "seed,bloomer at 3:4 (Player1)".
WideString DescribeObject(const TSWFlower& object);
