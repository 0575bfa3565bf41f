#include "game/player.h"

#include <algorithm>

#include "base/saturating.h"
#include "config/config_store.h"
#include "config/event_names.h"

SW_CLASS_DEFINE(TSWPlayer, TComponent)

TSWPlayer::TSWPlayer(TComponent* owner) : TComponent(owner) {}

TSWPlayer::~TSWPlayer() { Unregister(); }

void TSWPlayer::SetPlayerName(const WideString& playerName) {
  Unregister();
  playerName_ = playerName;
  Register();
}

void TSWPlayer::SetConfig(TSWConfig* config) {
  Unregister();
  config_ = config;
  FreeNotification(config);
  Register();
}

void TSWPlayer::ComponentFreed(TComponent* component) {
  if (component == config_) config_ = nullptr;
}

void TSWPlayer::Register() {
  if (config_ == nullptr) return;
  config_->Players().AddObject(playerName_, this);
  config_->Events().AddHandler(kEventTick, TSWEventHandler::Of<&TSWPlayer::OnTick>(this));
}

void TSWPlayer::Unregister() {
  if (config_ == nullptr) return;
  // The entry holding this player: another player registered under the same name keeps its own.
  TObjectHash& players = config_->Players();
  for (int i = players.Count() - 1; i >= 0; --i)
    if (players.Objects(i) == this) {
      players.Delete(i);
      break;
    }
  config_->Events().ClearCallbacksOf(this);
}

void TSWPlayer::OnTick(TSWConfig* /*sender*/, const WideString& /*eventName*/, TObject* /*arg*/) {
  AtomicAddSaturated(mana_, ManaPerTick());
}

int32_t TSWPlayer::ManaPerTick() const {
  return config_ ? config_->Bonuses().BonusSum(this, u"ManaPerTick", 0) : 0;
}

TPlayerInsight TSWPlayer::Insight() const {
  const int32_t bonus = config_ ? config_->Bonuses().BonusMax(this, u"Insight", 0) : 0;
  // Bonus data beyond the highest level must not make a value outside the enumeration.
  return static_cast<TPlayerInsight>(
      std::min<int32_t>(std::max<int32_t>(bonus, baseInsight_), piCoOwner));
}

WideString TSWPlayer::GetCaption() const {
  return config_ ? config_->LangDef(u"player: " + playerName_, playerName_) : playerName_;
}

bool TSWPlayer::TrySpendMana(int32_t cost, int32_t& manaBefore) {
  manaBefore = mana_.load();
  do {
    if (cost > manaBefore) return false;
  } while (!mana_.compare_exchange_weak(manaBefore, manaBefore - cost));
  return true;
}
