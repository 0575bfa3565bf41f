// sorrelwind-artgen: paints the game's images into a data folder, and composes preview
// pictures from a folder of images so that changes can be judged by eye.
//
//   sorrelwind-artgen OUTPUT_DIR
//   sorrelwind-artgen --app-icons OUTPUT_DIR
//   sorrelwind-artgen --preview-board FILE.png IMAGES_DIR [SCALE]
//   sorrelwind-artgen --preview-sheet FILE.png IMAGES_DIR [SCALE] [NAME_PREFIX]
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "art_catalog.h"
#include "draw/png_files.h"
#include "platform/png_image.h"
#include "preview/board_preview.h"
#include "preview/cell_tiling_check.h"
#include "preview/sheet_preview.h"

namespace {

int Usage() {
  std::fputs(
      "usage: sorrelwind-artgen OUTPUT_DIR\n"
      "       sorrelwind-artgen --app-icons OUTPUT_DIR\n"
      "       sorrelwind-artgen --preview-board FILE.png IMAGES_DIR [SCALE]\n"
      "       sorrelwind-artgen --preview-sheet FILE.png IMAGES_DIR [SCALE] [NAME_PREFIX]\n",
      stderr);
  return 2;
}

int ScaleArgument(const std::vector<std::string>& args, size_t index) {
  return args.size() > index ? std::max(1, std::stoi(args[index])) : 1;
}

void WritePieces(const std::vector<artgen::TArtPiece>& pieces,
                 const std::filesystem::path& outputDir) {
  for (const artgen::TArtPiece& piece : pieces) {
    artgen::SavePngFile(piece.paint(), outputDir / (piece.name + ".png"));
    std::printf("%s\n", piece.name.c_str());
  }
}

// Writes every image; fails when the written cell shape would not close the board.
int WriteAll(const std::filesystem::path& outputDir) {
  WritePieces(artgen::ArtCatalog(), outputDir);
  const std::string problem =
      artgen::CellTilingProblem(*artgen::LoadPngFile(outputDir / "cell.png"));
  if (problem.empty()) return 0;
  std::fprintf(stderr, "sorrelwind-artgen: the cells do not tile the board: %s\n", problem.c_str());
  return 1;
}

int Run(const std::vector<std::string>& args) {
  if (args.size() == 1 && args[0].rfind("--", 0) != 0) return WriteAll(args[0]);
  if (args.size() == 2 && args[0] == "--app-icons") {
    WritePieces(artgen::AppIconCatalog(), args[1]);
    return 0;
  }
  if (args.size() >= 3 && args.size() <= 4 && args[0] == "--preview-board") {
    artgen::SavePngFile(*artgen::PreviewBoard(args[2], ScaleArgument(args, 3)), args[1]);
    return 0;
  }
  if (args.size() >= 3 && args.size() <= 5 && args[0] == "--preview-sheet") {
    const std::string prefix = args.size() > 4 ? args[4] : "";
    artgen::SavePngFile(*artgen::PreviewSheet(args[2], ScaleArgument(args, 3), prefix), args[1]);
    return 0;
  }
  return Usage();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "sorrelwind-artgen: %s\n", e.what());
    return 1;
  }
}
