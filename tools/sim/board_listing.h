#pragma once
// The state of a game at the end of a headless run, in a stable order: one line per player in
// the order of the store's registry, then one line per object by row, column and slot order.
#include <ostream>

class TSWConfig;
class TSWMap;

// "player NAME mana=M perTick=P insight=I".
void ListPlayers(TSWConfig& config, std::ostream& out);
// "X:Y SLOT OBJECT OWNER HP/MAXHP level L", the level counted from 0, followed by a line for each
// of the object's abilities with its recharge.
void ListObjects(const TSWMap& map, std::ostream& out);
