#include "config/bonus_map.h"

#include <algorithm>
#include <memory>

#include "base/saturating.h"

SW_CLASS_DEFINE(TSWBonusItem, TObject)
SW_CLASS_DEFINE(TSWBonusBasket, TObjectHash)
SW_CLASS_DEFINE(TSWBonusMap, TObject)

namespace {

WideString BonusKey(const WideString& target, const WideString& name) {
  return target + u"=" + name;
}

template <class T>
T& AddNew(TObjectHash& hash, const WideString& name) {
  return hash.AddOwned(name, std::make_unique<T>());
}

}  // namespace

TSWBonusBasket::TSWBonusBasket() : TObjectHash(true) {}

void TSWBonusBasket::Changed() {
  ClearCache();
  TObjectHash::Changed();
}

void TSWBonusBasket::ClearCache() {
  maxValid_ = false;
  sumValid_ = false;
}

void TSWBonusBasket::SetValue(const WideString& providerToken, int32_t value) {
  auto* item = static_cast<TSWBonusItem*>(Find(providerToken));
  if (!item) item = &AddNew<TSWBonusItem>(*this, providerToken);
  if (item->Value == value) return;
  item->Value = value;
  ClearCache();
}

void TSWBonusBasket::RemoveProvider(const WideString& providerToken) {
  DeleteString(providerToken);
}

int32_t TSWBonusBasket::Sum() {
  if (!sumValid_) {
    int64_t sum = 0;
    for (int i = 0; i < Count(); ++i) sum += static_cast<const TSWBonusItem*>(Objects(i))->Value;
    cachedSum_ = SaturatedInt32(sum);
    sumValid_ = true;
  }
  return cachedSum_;
}

int32_t TSWBonusBasket::Max() {
  if (!maxValid_) {
    int32_t max = 0;
    for (int i = 0; i < Count(); ++i)
      max = std::max(max, static_cast<const TSWBonusItem*>(Objects(i))->Value);
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
  if (!basket) basket = &AddNew<TSWBonusBasket>(baskets_, BonusKey(target, name));
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
