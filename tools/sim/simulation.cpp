#include "sim/simulation.h"

#include <algorithm>

#include "base/utf8.h"
#include "game/game_session.h"
#include "game/random_source.h"
#include "sim/action_runner.h"
#include "sim/board_listing.h"
#include "sim/board_render.h"
#include "sim/event_printer.h"

namespace {

// The script's actions by tick; actions of one tick keep their file order.
std::vector<TSimAction> LoadActions(const TSimOptions& options) {
  if (options.ScriptFile.empty()) return {};
  std::vector<TSimAction> actions = LoadSimScript(options.ScriptFile);
  for (const TSimAction& action : actions)
    if (action.Tick > options.Ticks)
      throw ESimScriptError(EscapedText(action.Where() + ": tick " + std::to_string(action.Tick) +
                                        " comes after the last tick (" +
                                        std::to_string(options.Ticks) + ")."));
  std::stable_sort(actions.begin(), actions.end(),
                   [](const TSimAction& a, const TSimAction& b) { return a.Tick < b.Tick; });
  return actions;
}

}  // namespace

void RunSimulation(const TSimOptions& options, std::ostream& out) {
  const std::vector<TSimAction> actions = LoadActions(options);
  RandomSource().Seed(options.Seed);
  TSWGameSession game(Utf8Decode(options.DataDir), Utf8Decode(options.MapName), options.Mode);
  TSimEventPrinter printer(game.Config(), out);
  printer.ListenToGame();
  game.Game().Start();
  printer.ListenToCells(game.Map());

  TSimActionRunner runner(game, printer);
  runner.CheckCells(actions);
  auto next = actions.begin();
  for (int32_t delivered = 0;; ++delivered) {
    for (; next != actions.end() && next->Tick == delivered; ++next) runner.Run(*next);
    if (delivered == options.Ticks) break;
    game.Game().DeliverTick();
  }

  ListPlayers(game.Config(), out);
  ListObjects(game.Map(), out);
  if (!options.RenderFile.empty()) RenderBoard(game.Map(), Utf8Decode(options.RenderFile));
}
