#pragma once
// Values that objects contribute to a bonus of another object ("ManaPerTick", "Insight"): each
// provider adds one value to a bonus addressed by target and name, and readers take the sum or
// the maximum of all contributions. A bonus key is the target's token, "=" and the bonus name; a
// contribution is filed under the provider's token.
#include <cstdint>
#include <mutex>
#include <vector>

#include "containers/object_hash.h"
#include "containers/sparse_object_hash.h"

// One provider's contribution.
class TSWBonusItem : public TObject {
  SW_CLASS(TSWBonusItem)

  int32_t Value = 0;
};

// The contributions to one bonus, by provider token, with the sum and maximum cached until the
// list or a value changes. Providers leave from anywhere in the list (a flower dies), so it is a
// sparse hash: a leaving provider does not move the others.
class TSWBonusBasket : public TObject {
  SW_CLASS(TSWBonusBasket)

  void SetValue(const WideString& providerToken, int32_t value);
  void RemoveProvider(const WideString& providerToken);
  int Count() const { return providers_.Count(); }
  // Held within the 32-bit range: data may give any provider any 32-bit value.
  int32_t Sum();
  // The largest contribution, but never below 0: the maximum starts at 0.
  int32_t Max();

 private:
  void ClearCache();
  // Each provider's contribution, in the order they came.
  template <class Visit>
  void ForEachValue(Visit visit);

  TSparseObjectHash providers_{true};  // of TSWBonusItem
  bool maxValid_ = false;
  bool sumValid_ = false;
  int32_t cachedMax_ = 0;
  int32_t cachedSum_ = 0;
};

// What the debug listing shows of the map, taken in one go.
struct TSWBonusSummary {
  struct TKey {
    WideString Key;
    int Providers;
  };
  // One per basket, in creation order.
  std::vector<TKey> Keys;
  int TotalProviders = 0;
};

// Every operation holds the map's lock for its whole run, so a read never sees a half-made change.
class TSWBonusMap : public TObject {
  SW_CLASS(TSWBonusMap)

  TSWBonusMap();

  // `target` is the target object's token.
  void SetBonus(const WideString& target, const WideString& name, int32_t value,
                const TObject* provider);
  void SetBonus(const TObject* target, const WideString& name, int32_t value,
                const TObject* provider);
  // `def` when the bonus was never set; a bonus whose providers all left is 0.
  int32_t BonusSum(const WideString& target, const WideString& name, int32_t def) const;
  int32_t BonusSum(const TObject* target, const WideString& name, int32_t def) const;
  int32_t BonusMax(const WideString& target, const WideString& name, int32_t def) const;
  int32_t BonusMax(const TObject* target, const WideString& name, int32_t def) const;
  // Baskets stay, even when empty.
  void RemoveProvider(const TObject* provider);

  TSWBonusSummary Summary() const;

 private:
  TSWBonusBasket* FindBasket(const WideString& target, const WideString& name) const;

  TObjectHash baskets_;
  mutable std::mutex lock_;
};
