#pragma once
// A turn-mode game over the benchmark data folder, started on a 1 x 1 board, into which the
// benchmarks load their boards and which they clear again by loading the 1 x 1 board.
#include <memory>

#include "bench_data.h"
#include "game/game_session.h"

class TBenchGame {
 public:
  TBenchGame();

  TSWGameSession& Session() { return *session_; }
  // Loads the map file (parsed when first read, then cached by the package).
  void Load(const WideString& mapName);
  // Frees every cell and object of the loaded board.
  void Clear();

 private:
  WideString tinyMap_;
  std::unique_ptr<TSWGameSession> session_;
};

// A board of width 128 with `bloomers` bloomers, one per cell, under `rules`.
WideString BloomerBoard(int bloomers, const TBloomerRules& rules);
