#pragma once
// A small data folder that the game starts on and that the data checker finds clean: a 3 x 2 map
// with a bloomer and a melly of Player1 and a weed of Gaia, the configuration, the texts and
// every image they need. Tests break it file by file.
#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

class TinyGardenTest : public testing::Test {
 protected:
  TinyGardenTest();

  std::string Folder() const { return folder.Path(); }
  // Writes an image of that size whose every pixel is opaque.
  void WriteImage(const std::string& relative, int width, int height) const;

  TTempFolder folder;
};
