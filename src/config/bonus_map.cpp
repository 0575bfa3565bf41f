#include "config/bonus_map.h"

#include <algorithm>
#include <memory>

#include "base/saturating.h"

SW_CLASS_DEFINE(TSWBonusItem, TObject)
SW_CLASS_DEFINE(TSWBonusBasket, TObject)
SW_CLASS_DEFINE(TSWBonusMap, TObject)

namespace {

WideString BonusKey(const WideString& target, const WideString& name) {
  return target + u"=" + name;
}

}  // namespace

void TSWBonusBasket::ClearCache() {
  maxValid_ = false;
  sumValid_ = false;
}

void TSWBonusBasket::SetValue(const WideString& providerToken, int32_t value) {
  auto* item = static_cast<TSWBonusItem*>(providers_.Find(providerToken));
  if (!item) {
    item = new TSWBonusItem;  // owned by the hash from here on
    providers_.AddObject(providerToken, item);
    ClearCache();
  }
  if (item->Value == value) return;
  item->Value = value;
  ClearCache();
}

void TSWBonusBasket::RemoveProvider(const WideString& providerToken) {
  const int position = providers_.IndexOf(providerToken);
  if (position < 0) return;
  providers_.Delete(position);
  ClearCache();
}

template <class Visit>
void TSWBonusBasket::ForEachValue(Visit visit) {
  providers_.Compact();
  for (int i = 0; i < providers_.Count(); ++i)
    visit(static_cast<const TSWBonusItem*>(providers_.Objects(i))->Value);
}

int32_t TSWBonusBasket::Sum() {
  if (!sumValid_) {
    int64_t sum = 0;
    ForEachValue([&](int32_t value) { sum += value; });
    cachedSum_ = SaturatedInt32(sum);
    sumValid_ = true;
  }
  return cachedSum_;
}

int32_t TSWBonusBasket::Max() {
  if (!maxValid_) {
    int32_t max = 0;
    ForEachValue([&](int32_t value) { max = std::max(max, value); });
    cachedMax_ = max;
    maxValid_ = true;
  }
  return cachedMax_;
}

TSWBonusMap::TSWBonusMap() : baskets_(true) {}

TSWBonusBasket* TSWBonusMap::FindBasket(const WideString& target, const WideString& name) const {
  return static_cast<TSWBonusBasket*>(baskets_.Find(BonusKey(target, name)));
}

void TSWBonusMap::SetBonus(const WideString& target, const WideString& name, int32_t value,
                           const TObject* provider) {
  const std::lock_guard guard(lock_);
  TSWBonusBasket* basket = FindBasket(target, name);
  if (!basket)
    basket = &baskets_.AddOwned(BonusKey(target, name), std::make_unique<TSWBonusBasket>());
  basket->SetValue(ObjectToken(provider), value);
}

void TSWBonusMap::SetBonus(const TObject* target, const WideString& name, int32_t value,
                           const TObject* provider) {
  SetBonus(ObjectToken(target), name, value, provider);
}

int32_t TSWBonusMap::BonusSum(const WideString& target, const WideString& name, int32_t def) const {
  const std::lock_guard guard(lock_);
  TSWBonusBasket* basket = FindBasket(target, name);
  return basket ? basket->Sum() : def;
}

int32_t TSWBonusMap::BonusSum(const TObject* target, const WideString& name, int32_t def) const {
  return BonusSum(ObjectToken(target), name, def);
}

int32_t TSWBonusMap::BonusMax(const WideString& target, const WideString& name, int32_t def) const {
  const std::lock_guard guard(lock_);
  TSWBonusBasket* basket = FindBasket(target, name);
  return basket ? basket->Max() : def;
}

int32_t TSWBonusMap::BonusMax(const TObject* target, const WideString& name, int32_t def) const {
  return BonusMax(ObjectToken(target), name, def);
}

void TSWBonusMap::RemoveProvider(const TObject* provider) {
  const WideString token = ObjectToken(provider);
  const std::lock_guard guard(lock_);
  for (int i = 0; i < baskets_.Count(); ++i)
    static_cast<TSWBonusBasket*>(baskets_.Objects(i))->RemoveProvider(token);
}

TSWBonusSummary TSWBonusMap::Summary() const {
  const std::lock_guard guard(lock_);
  TSWBonusSummary summary;
  summary.Keys.reserve(baskets_.Count());
  for (int i = 0; i < baskets_.Count(); ++i) {
    const int providers = static_cast<const TSWBonusBasket*>(baskets_.Objects(i))->Count();
    summary.Keys.push_back({baskets_.Strings(i), providers});
    summary.TotalProviders += providers;
  }
  return summary;
}
