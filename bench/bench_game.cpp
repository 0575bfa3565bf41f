#include "bench_game.h"

#include "config/package.h"

TBenchGame::TBenchGame()
    : tinyMap_(WriteBenchMap("bench tiny", {})),
      session_(std::make_unique<TSWGameSession>(BenchDataDir(), tinyMap_, tmTurn)) {
  session_->Game().Start();
}

void TBenchGame::Load(const WideString& mapName) {
  session_->Map().LoadFrom(session_->Package().Ini(mapName));
}

void TBenchGame::Clear() { Load(tinyMap_); }

WideString BloomerBoard(int bloomers, const TBloomerRules& rules) {
  constexpr int kWidth = 128;
  const TBenchMapShape shape{kWidth, (bloomers + kWidth - 1) / kWidth, bloomers, rules.Sections};
  return WriteBenchMap("bench " + std::to_string(bloomers) + " " + rules.Name, shape);
}
