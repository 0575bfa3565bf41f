// A map file as a map author writes it, played with the shipped common data: the game starts on
// it in turn mode and runs a few dozen ticks, as the headless runner would.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/errors.h"
#include "base/utf8.h"
#include "fuzz_target.h"
#include "game/game_session.h"
#include "game/random_source.h"

namespace {

constexpr int kTicks = 40;

// A private copy of the shipped data whose maps/fuzz.ini each input replaces; made once, removed
// when the program ends.
class TFuzzData {
 public:
  TFuzzData() {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "sorrelwind-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    fs::copy(SW_DATA_DIR, folder_, fs::copy_options::recursive);
  }
  ~TFuzzData() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  void WriteMap(const uint8_t* data, size_t size) const {
    std::ofstream file(folder_ / "maps" / "fuzz.ini", std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  WideString Folder() const { return Utf8Decode(folder_.string()); }

 private:
  std::filesystem::path folder_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TFuzzData fuzzData;
  fuzzData.WriteMap(data, size);
  RandomSource().Seed(1);
  try {
    TSWGameSession game(fuzzData.Folder(), u"maps\\fuzz", tmTurn);
    game.Game().Start();
    for (int tick = 0; tick < kTicks; ++tick) game.Game().DeliverTick();
  } catch (const Exception&) {
    // A map the game refuses, with its own message.
  }
  return 0;
}
