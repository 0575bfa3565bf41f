#pragma once
// A stand-in owner for objects in cells: a real player that belongs to no store, so tests need
// not wire the game's players before they put objects on the board.
#include "game/player.h"

namespace {

class TestPlayer : public TSWPlayer {
 public:
  using TSWPlayer::TSWPlayer;
};

}  // namespace
