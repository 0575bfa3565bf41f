#pragma once
// A data folder written by the test (language file, configuration files, a map file and an
// image), and the same folder served by a folder package to a configuration store.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "config/config_store.h"
#include "config/folder_package.h"
#include "support/png_writer.h"
#include "support/temp_folder.h"

// The message of the E that `action` raises.
template <class E, class Action>
WideString ErrorOf(Action action) {
  try {
    action();
  } catch (const E& error) {
    return error.Message();
  } catch (const Exception& error) {
    return u"(another kind of error) " + error.Message();
  }
  return u"(no error)";
}

class DataFilesTest : public testing::Test {
 protected:
  DataFilesTest() {
    folder.MakeFolder("maps");
    folder.MakeFolder("images");
    folder.WriteFile("lang.ini",
                     "[Strings]\n"
                     "hello=Hello\n"
                     "empty=\n"
                     "coords=%d, %d\n"
                     "cooldown (turn)=%d turns\n"
                     "cooldown (sec)=%d seconds\n");
    folder.WriteFile("objects.ini",
                     "[Flower]\n"
                     "HP=50\n"
                     "Growth=3 5 8\n"
                     "Single=7\n"
                     "Pair=12 x\n"
                     "Hex=$1F\n"
                     "b=from b\n"
                     "[Levels]\n"
                     "1=2\n");
    folder.WriteFile("abilities.ini",
                     "[Bean]\n"
                     "Cost=5\n"
                     "[probe]\n"
                     "glyph16=custom16\n"
                     "glyph32=common32\n");
    folder.WriteFile("maps/genesis.ini",
                     "[flower]\n"
                     "hp=70\n"
                     "[Bean]\n"
                     "Cost=\n"
                     "[Levels]\n"
                     "; only a comment\n"
                     "[probe]\n"
                     "glyph32=map32\n");
    TTestPng cell;
    cell.Samples = {10, 20, 30, 255};
    folder.WriteFile("images/cell.png", EncodePng(cell));
  }

  TTempFolder folder;
};

class DataFolderTest : public DataFilesTest {
 protected:
  DataFolderTest() { package.SetPath(folder.NameOf("")); }

  void UseStore() { config.SetPackage(&package); }
  void LoadMap() { config.SetLoadedMapFile(&package.Ini(u"maps\\genesis")); }

  TSWFolderPackage package;
  TSWConfig config;
};
