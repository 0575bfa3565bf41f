#pragma once
// One side of the game: a name, a mana pool that grows on every "tick" by the player's mana per
// tick (held at the largest 32-bit value), and an insight level. Mana per tick and insight come
// from the bonuses the player's flowers contribute. The player registers itself with its store
// under its name.
#include <atomic>
#include <cstdint>

#include "base/component.h"
#include "game/player_insight.h"

class TSWConfig;

class TSWPlayer : public TComponent {
  SW_CLASS(TSWPlayer)

  explicit TSWPlayer(TComponent* owner = nullptr);
  // Leaves the store's player registry and event registry.
  ~TSWPlayer() override;

  // Changing either leaves the current store's registries, then joins the (new) store under the
  // (new) name: a player entry and a "tick" handler.
  const WideString& PlayerName() const { return playerName_; }
  void SetPlayerName(const WideString& playerName);
  TSWConfig* Config() const { return config_; }
  void SetConfig(TSWConfig* config);

  TPlayerInsight BaseInsight() const { return baseInsight_; }
  void SetBaseInsight(TPlayerInsight baseInsight) { baseInsight_ = baseInsight; }

  int32_t Mana() const { return mana_.load(); }
  // The sum of the player's "ManaPerTick" bonuses; 0 without any (or without a store).
  int32_t ManaPerTick() const;
  // The larger of BaseInsight and the player's highest "Insight" bonus.
  TPlayerInsight Insight() const;
  // The language string "player: " + PlayerName, else the name itself.
  WideString GetCaption() const;

  // Takes `cost` from the pool in one atomic step unless the pool holds less than `cost`.
  // `manaBefore` receives the pool the decision was made on. The check and the subtraction
  // cannot be split by a concurrent change, so a payment never overdraws the pool.
  bool TrySpendMana(int32_t cost, int32_t& manaBefore);

 protected:
  void ComponentFreed(TComponent* component) override;

 private:
  void OnTick(TSWConfig* sender, const WideString& eventName, TObject* arg);
  void Register();
  void Unregister();

  WideString playerName_;
  TSWConfig* config_ = nullptr;
  TPlayerInsight baseInsight_ = piBasic;
  std::atomic<int32_t> mana_ = 0;
};
