#pragma once
// Prints the game's events that the event log hears, one line each, prefixed by the tick
// counter: "[12] flower grown: bloomer at 3:4 (Player1)". Besides the game-wide events it
// follows the slot events of every cell, as the grid's slot watcher.
#include <ostream>

#include "base/tobject.h"
#include "config/event_handler.h"

class TSWConfig;
class TSWMap;

class TSimEventPrinter : public TObject {
 public:
  TSimEventPrinter(TSWConfig& config, std::ostream& out) : config_(config), out_(out) {}
  // Leaves the store's registry and the grid.
  ~TSimEventPrinter() override;

  // "game start", "flower level up", "flower grown", "flower died" and "path removed"; before
  // the game starts, so that "game start" is heard.
  void ListenToGame();
  // "slot add", "slot delete" and "slot level up" of every cell of the map's grid, also of cells
  // made later. The map must outlive the printer.
  void ListenToCells(TSWMap& map);

  // "[tick] text" on a line of its own.
  void Print(const WideString& text);

 private:
  void OnEvent(TSWConfig* sender, const WideString& eventName, TObject* arg);
  TSWEventHandler Handler() { return TSWEventHandler::Of<&TSimEventPrinter::OnEvent>(this); }

  TSWConfig& config_;
  std::ostream& out_;
  TSWMap* map_ = nullptr;
};
