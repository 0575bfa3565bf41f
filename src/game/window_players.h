#pragma once
// The players the main window creates before a game starts, in its order (Gaia, then Player1); a
// map can only give objects to them.
#include <algorithm>
#include <array>

#include "base/upper_case.h"
#include "base/wide_string.h"

inline constexpr std::array<WideStringView, 2> kWindowPlayers = {u"Gaia", u"Player1"};

// The store's player registry finds names without regard to case.
inline bool IsWindowPlayer(WideStringView name) {
  return std::any_of(kWindowPlayers.begin(), kWindowPlayers.end(),
                     [&](WideStringView player) { return SameTextW(player, name); });
}
