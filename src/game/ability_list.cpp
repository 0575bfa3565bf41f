#include "game/ability_list.h"

#include "game/ability_link.h"

SW_CLASS_DEFINE(TSWAbilityList, TObjectHash)

TSWAbilityList::TSWAbilityList(TSWFlower* flower) : TObjectHash(true), flower_(flower) {}

void TSWAbilityList::Load(const TStringsW& lines) {
  Clear();
  for (int i = 0; i < lines.Count(); ++i) Add(lines.Strings(i));
  Rebuild();
}

void TSWAbilityList::Rebuild() {
  for (int i = 0; i < Count(); ++i) {
    if (Strings(i).find(u'=') == WideString::npos) SetStrings(i, Strings(i) + u"=");
    const WideString line = Strings(i);
    const size_t equals = line.find(u'=');
    auto* link = new TSWAbilityLink(this, line.substr(0, equals));
    SetObjects(i, link);
    const WideString flags = line.substr(equals + 1);
    if (flags.find(u"autocast") != WideString::npos) link->SetAutocast(true);
    if (flags.find(u"uncharged") != WideString::npos) link->StartRecharge();
  }
}

TSWAbilityLink* TSWAbilityList::Links(int index) const {
  return static_cast<TSWAbilityLink*>(Objects(index));
}
