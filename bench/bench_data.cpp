#include "bench_data.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/utf8.h"

namespace fs = std::filesystem;

const TBloomerRules kRechargingBloomers = {
    "recharging",
    "[bloomer levels]\n1000000 1000000\n\n[bloomer abilities at 1]\nseed,bloomer=uncharged\n"};
const TBloomerRules kBloomersLevellingOnFirstTick = {
    "levelling",
    "[bloomer levels]\n1 1\n1000000 1000000\n\n[bloomer abilities at 1]\nseed,bloomer=uncharged\n\n"
    "[bloomer abilities at 2]\nseed,bloomer=uncharged\n"};

namespace {

fs::path ShippedData() {
  const char* dir = std::getenv("SW_DATA_DIR");
  return fs::absolute(dir != nullptr ? dir : "Data");
}

struct TBenchFolder {
  TBenchFolder() {
    root = fs::temp_directory_path() / ("sorrelwind-bench-" + std::to_string(::getpid()));
    const fs::path data = root / "Data";
    fs::create_directories(data / "maps");
    for (const fs::directory_entry& item : fs::directory_iterator(ShippedData()))
      if (item.path().filename() != "maps")
        fs::create_symlink(item.path(), data / item.path().filename());
    dataDir = Utf8Decode(data.string());
  }
  ~TBenchFolder() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }
  fs::path root;
  WideString dataDir;
};

TBenchFolder& Folder() {
  static TBenchFolder folder;
  return folder;
}

}  // namespace

const WideString& BenchDataDir() { return Folder().dataDir; }

std::string BenchMapText(const TBenchMapShape& shape) {
  std::ostringstream text;
  text << "[General]\nName=bench\nWidth=" << shape.Width << "\nHeight=" << shape.Height
       << "\n\n[Tiles]\n";
  for (int y = 0; y < shape.Height; ++y) {
    text << "Y" << y << "=";
    for (int x = 0; x < shape.Width; ++x) text << (x == 0 ? "soil" : ",soil");
    text << "\n";
  }
  text << "\n[Objects of Player1]\n";
  for (int i = 0; i < shape.Bloomers; ++i)
    text << i % shape.Width << ":" << i / shape.Width << "=bloomer\n";
  text << "\n" << shape.ExtraSections;
  return text.str();
}

WideString WriteBenchMap(const std::string& name, const TBenchMapShape& shape) {
  const fs::path file = fs::path(Utf8Encode(BenchDataDir())) / "maps" / (name + ".ini");
  std::ofstream(file) << BenchMapText(shape);
  return Utf8Decode("maps\\" + name);
}
