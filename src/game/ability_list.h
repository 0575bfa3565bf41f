#pragma once
// A flower's abilities: one line per ability, "spec" or "spec=flags", each line owning the
// TSWAbilityLink that ties the flower to the ability of that specification.
#include "containers/object_hash.h"

class TSWFlower;
class TSWAbilityLink;

class TSWAbilityList : public TObjectHash {
  SW_CLASS(TSWAbilityList)

  explicit TSWAbilityList(TSWFlower* flower);

  TSWFlower* Flower() const { return flower_; }

  // Replaces the lines by `lines` (the raw lines of an "abilities at" section), freeing the old
  // links, and rebuilds the links.
  void Load(const TStringsW& lines);
  // Gives every line the "=" it lacks and a fresh link made from the part before it; the
  // flags after it are case-sensitive: "autocast" turns auto-casting on, "uncharged" starts
  // the link recharging.
  void Rebuild();

  TSWAbilityLink* Links(int index) const;

 private:
  TSWFlower* flower_;
};
