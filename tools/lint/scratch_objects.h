#pragma once
// Objects made the way the game makes them, for the checks to look at and drop. (Abilities are
// made with the game's MakeAbility, owned by the caller so that each map file in force is read
// afresh.)
#include "base/object_release.h"
#include "config/object_factory.h"

class TLintData;
class TSWFlower;

// An object of the kind `type` names, made on the scratch cell without loading it: what its kind
// fixes before any data is read.
TOwned<TSWFlower> MakeUnloadedObject(TLintData& data, const TTypeSpec& type);
