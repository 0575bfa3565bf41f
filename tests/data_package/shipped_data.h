#pragma once
// The shipped data package (the repository's Data folder) read the way the game reads it: its
// maps, and the players, objects and tiles a map file names.
#include <string>
#include <vector>

#include "base/wide_string.h"

class TMemIniFileW;

// Data/ with a trailing separator.
WideString ShippedDataPath();
// The package names of the shipped map files, such as maps\genesis, in name order.
std::vector<WideString> ShippedMaps();

// The stored lines of the section ("name=value" or a line without "=").
std::vector<WideString> SectionLines(const TMemIniFileW& ini, WideStringView section);
// The trimmed comma-separated pieces of an object or ability specification.
std::vector<WideString> SpecPieces(WideStringView spec);
// The row texts of the map file's [Tiles], split into the tile texts.
std::vector<std::vector<WideString>> MapTiles(const TMemIniFileW& map);
// The object specifications of one player's "Objects of" section.
std::vector<WideString> PlayerObjects(const TMemIniFileW& map, WideStringView player);
// The players a map file gives objects to.
std::vector<WideString> MapPlayers(const TMemIniFileW& map);

// The flower a specification puts into a cell or plants: an object line's kind, or the flower of
// a seed; for an ability, its planted flower (empty when it plants nothing).
WideString PlantedFlowerOf(const std::vector<WideString>& objectSpec);
WideString SeedFlowerOf(const std::vector<WideString>& abilitySpec);

std::string Narrow(WideStringView text);
