// settings_writer FILE: saves two sets of view settings into FILE by turns, as the main window
// saves them, until it is killed. The settings kill test runs it.
#include <iostream>

#include "base/utf8.h"
#include "containers/ini_file_w.h"
#include "ui/settings_writer/written_settings.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: settings_writer FILE\n";
    return 2;
  }
  TIniFileW settings(Utf8Decode(argv[1]));
  for (unsigned turn = 0;; ++turn) SaveViewSettings(settings, kWrittenSettings[turn % 2]);
}
