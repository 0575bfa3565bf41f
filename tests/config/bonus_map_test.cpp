#include "config/bonus_map.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <memory>
#include <thread>
#include <vector>

namespace {

const WideString kMana = u"ManaPerTick";
const WideString kInsight = u"Insight";

TEST(BonusMap, SumAndMaximumFollowEveryChangeOfTheirProviders) {
  TSWBonusMap bonuses;
  TObject player, otherPlayer, melly, oracle;
  bonuses.SetBonus(&player, kMana, 2, &melly);
  bonuses.SetBonus(ObjectToken(&player), kMana, 3, &oracle);
  bonuses.SetBonus(&otherPlayer, kMana, 10, &melly);
  bonuses.SetBonus(&player, kInsight, 4, &oracle);
  EXPECT_EQ(bonuses.BonusSum(&player, kMana, 0), 5);
  EXPECT_EQ(bonuses.BonusMax(ObjectToken(&player), kMana, 0), 3);

  bonuses.SetBonus(&player, kMana, 3, &oracle);  // unchanged value
  EXPECT_EQ(bonuses.BonusSum(&player, kMana, 0), 5);
  bonuses.SetBonus(&player, kMana, 7, &melly);  // a new value shows at the next read
  EXPECT_EQ(bonuses.BonusSum(&player, kMana, 0), 10);
  EXPECT_EQ(bonuses.BonusMax(&player, kMana, 0), 7);

  bonuses.RemoveProvider(&melly);
  EXPECT_EQ(bonuses.BonusSum(&player, kMana, 0), 3);
  EXPECT_EQ(bonuses.BonusMax(&player, kMana, 0), 3);
  EXPECT_EQ(bonuses.BonusSum(&otherPlayer, kMana, 0), 0);
  EXPECT_EQ(bonuses.BonusMax(&player, kInsight, 0), 4);

  bonuses.SetBonus(&player, kMana, INT_MAX, &melly);
  EXPECT_EQ(bonuses.BonusSum(&player, kMana, 0), INT_MAX) << "held, not wrapped round";
  bonuses.SetBonus(&player, kMana, INT_MIN, &melly);
  bonuses.SetBonus(&player, kMana, INT_MIN, &oracle);
  EXPECT_EQ(bonuses.BonusSum(&player, kMana, 0), INT_MIN);
}

TEST(BonusMap, DefaultOnlyForABonusNeverSet) {
  TSWBonusMap bonuses;
  TObject player, weak;
  EXPECT_EQ(bonuses.BonusSum(&player, kMana, 42), 42);
  EXPECT_EQ(bonuses.BonusMax(&player, kInsight, -1), -1);

  bonuses.SetBonus(&player, kInsight, -3, &weak);
  EXPECT_EQ(bonuses.BonusMax(&player, kInsight, 42), 0);  // the maximum starts at 0
  EXPECT_EQ(bonuses.BonusSum(&player, kInsight, 42), -3);

  bonuses.RemoveProvider(&weak);  // the basket stays, empty
  EXPECT_EQ(bonuses.BonusSum(&player, kInsight, 42), 0);
  EXPECT_EQ(bonuses.BonusMax(&player, kInsight, 42), 0);
}

TEST(BonusMap, SummaryListsEveryBasketWithItsProviders) {
  TSWBonusMap bonuses;
  TObject player, melly, oracle;
  bonuses.SetBonus(&player, kMana, 1, &melly);
  bonuses.SetBonus(&player, kMana, 1, &oracle);
  bonuses.SetBonus(&player, kInsight, 2, &oracle);
  bonuses.RemoveProvider(&oracle);

  const TSWBonusSummary summary = bonuses.Summary();
  ASSERT_EQ(summary.Keys.size(), 2u);
  EXPECT_EQ(summary.Keys[0].Key, ObjectToken(&player) + u"=" + kMana);
  EXPECT_EQ(summary.Keys[0].Providers, 1);
  EXPECT_EQ(summary.Keys[1].Providers, 0);
  EXPECT_EQ(summary.TotalProviders, 1);
}

TEST(BonusMap, ProvidersLeavingFromAnywhereLeaveTheRestCounted) {
  TSWBonusMap bonuses;
  TObject player;
  std::vector<std::unique_ptr<TObject>> providers;
  for (int i = 0; i < 1000; ++i) {
    providers.push_back(std::make_unique<TObject>());
    bonuses.SetBonus(&player, kMana, i, providers.back().get());
  }
  EXPECT_EQ(bonuses.BonusSum(&player, kMana, 0), 999 * 1000 / 2);
  // Odd values leave, read between removals so that the sums see every state.
  for (int i = 1; i < 1000; i += 2) {
    bonuses.RemoveProvider(providers[i].get());
    if (i % 100 == 1) {
      EXPECT_EQ(bonuses.BonusMax(&player, kMana, 0), 999);
    }
  }
  const int evenSum = 499 * 500;  // 0 + 2 + ... + 998
  EXPECT_EQ(bonuses.BonusSum(&player, kMana, 0), evenSum);
  EXPECT_EQ(bonuses.BonusMax(&player, kMana, 0), 998);
  bonuses.SetBonus(&player, kMana, 5000, providers[1].get());  // back, with a new value
  bonuses.SetBonus(&player, kMana, 7, providers[998].get());
  EXPECT_EQ(bonuses.BonusSum(&player, kMana, 0), evenSum + 5000 - 998 + 7);
  EXPECT_EQ(bonuses.BonusMax(&player, kMana, 0), 5000);
  EXPECT_EQ(bonuses.Summary().TotalProviders, 501);
}

TEST(BonusMap, ConcurrentWritersAndReadersSeeWholeChanges) {
  constexpr int kWriters = 4;
  constexpr int kProvidersEach = 200;
  TSWBonusMap bonuses;
  TObject player;
  std::vector<std::unique_ptr<TObject>> providers;
  for (int i = 0; i < kWriters * kProvidersEach; ++i)
    providers.push_back(std::make_unique<TObject>());

  std::atomic<bool> writing{true};
  std::atomic<bool> readsInOrder{true};
  std::thread reader([&] {
    int last = 0;
    while (writing) {
      const int sum = bonuses.BonusSum(&player, kMana, 0);
      if (sum < last || sum > kWriters * kProvidersEach) readsInOrder = false;
      last = sum;
    }
  });
  std::vector<std::thread> writers;
  for (int w = 0; w < kWriters; ++w)
    writers.emplace_back([&, w] {
      for (int i = 0; i < kProvidersEach; ++i) {
        bonuses.SetBonus(&player, kMana, 1, providers[w * kProvidersEach + i].get());
        bonuses.BonusMax(&player, kMana, 0);
      }
    });
  for (std::thread& writer : writers) writer.join();
  writing = false;
  reader.join();

  EXPECT_TRUE(readsInOrder);
  EXPECT_EQ(bonuses.BonusSum(&player, kMana, 0), kWriters * kProvidersEach);
  EXPECT_EQ(bonuses.Summary().TotalProviders, kWriters * kProvidersEach);
}

}  // namespace
