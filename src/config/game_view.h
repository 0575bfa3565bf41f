#pragma once

// What the configuration store accepts as its game. The store asks nothing of the game itself:
// the interface tells a game apart from any other component it might be given.
class TSWGameView {
 public:
  virtual ~TSWGameView() = default;
};
