#pragma once
// Objects and abilities made the way the game makes them, for the checks to look at and drop.
#include <memory>

#include "base/wide_string.h"
#include "config/object_factory.h"

class TLintData;
class TSWAbility;
class TSWConfig;
class TSWFlower;

// The ability `spec` names, made and loaded as the store's registry makes its definitions, but
// owned by the caller, so that each map file in force is read afresh. Fails as the game fails.
std::unique_ptr<TSWAbility> MakeAbility(TSWConfig& config, const WideString& spec);
// An object of the kind `type` names, made on the scratch cell without loading it: what its kind
// fixes before any data is read.
std::unique_ptr<TSWFlower> MakeUnloadedObject(TLintData& data, const TTypeSpec& type);
