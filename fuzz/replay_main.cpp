// Replays a fuzz target's saved inputs without libFuzzer, so that any compiler can build it and
// every test run repeats them: replay-TARGET FOLDER...
// Every file below each folder is one input. Inputs below a folder named "open" reproduce a
// finding that is not fixed yet; they are listed but run only when SW_FUZZ_REPLAY_OPEN is set.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace fs = std::filesystem;

namespace {

bool IsOpenFinding(const fs::path& file) {
  const fs::path parent = file.parent_path().filename();
  return parent == "open";
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: " << argv[0] << " FOLDER...\n";
    return 2;
  }
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    // A target without kept findings has no findings folder.
    std::error_code error;
    if (!fs::is_directory(argv[i], error)) {
      std::cout << argv[i] << ": no such folder, nothing to replay there\n";
      continue;
    }
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(argv[i]))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());

  const bool runOpen = std::getenv("SW_FUZZ_REPLAY_OPEN") != nullptr;
  int replayed = 0;
  int skipped = 0;
  for (const fs::path& input : inputs) {
    if (IsOpenFinding(input) && !runOpen) {
      std::cout << "open, not replayed: " << input.string() << "\n";
      ++skipped;
      continue;
    }
    // Named before it runs, so that a crash shows which input it was.
    std::cerr << input.string() << "\n";
    const std::string bytes = ReadFile(input);
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ++replayed;
  }
  std::cout << "replayed " << replayed << " inputs";
  if (skipped > 0) std::cout << ", " << skipped << " open findings not replayed";
  std::cout << "\n";
  // A run that replays nothing has lost its corpus.
  return replayed > 0 ? 0 : 1;
}
