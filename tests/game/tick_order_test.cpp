// The order of the work within one tick: the newest "tick" subscriber runs first, so objects
// created in play run before those of the map file, a flower's links before the flower, and the
// players, subscribed before the map was loaded, last.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "config/bonus_map.h"
#include "config/event_hash.h"
#include "config/event_names.h"
#include "game/ability_fixture.h"
#include "game/player.h"

namespace {

// Records each event it hears with the mana its player had at that moment.
class ManaAtEvents : public TObject {
 public:
  explicit ManaAtEvents(const TSWPlayer& player) : player_(player) {}

  void OnEvent(TSWConfig* /*sender*/, const WideString& eventName, TObject* /*arg*/) {
    Heard.emplace_back(eventName, player_.Mana());
  }

  std::vector<std::pair<WideString, int32_t>> Heard;

 private:
  const TSWPlayer& player_;
};

TEST_F(AbilityTest, ATickRunsPlayedObjectsThenMapObjectsWithLinksBeforeTheirFlowerThenPlayers) {
  // On the first tick the played seed sprouts, the map bloomer's link removes the path and the
  // bloomer levels up; each event carries the mana the players had by then.
  StartGame(3, 3,
            "[Objects of Player1]\n1:1=bloomer\n[Objects of Gaia]\n1:1=path\n"
            "[bloomer levels]\n1 1\n[bloomer abilities at 1]\nremovepath=autocast\n");
  Put(0, 0, u"seed,weed", player1);  // grows into a weed on the first tick
  ManaAtEvents watch(player1);
  for (const WideString& name : {kEventFlowerGrown, kEventPathRemoved, kEventFlowerLevelUp})
    config.Events().AddHandler(name, TSWEventHandler::Of<&ManaAtEvents::OnEvent>(&watch));
  const TObject provider;
  config.Bonuses().SetBonus(&player1, u"ManaPerTick", 1, &provider);

  Tick();
  EXPECT_EQ(watch.Heard,
            (std::vector<std::pair<WideString, int32_t>>{
                {kEventFlowerGrown, 0}, {kEventPathRemoved, 0}, {kEventFlowerLevelUp, 0}}));
  EXPECT_EQ(player1.Mana(), 1);
  config.Bonuses().RemoveProvider(&provider);
}

}  // namespace
