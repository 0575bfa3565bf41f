#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.
#include <string>
#include <string_view>
#include <vector>

#include "base/wide_string.h"

class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // The folder's path joined with a relative name, as a disk path and as a wide name.
  std::string PathOf(std::string_view relative) const;
  WideString NameOf(std::string_view relative) const;

  void WriteFile(std::string_view relative, std::string_view bytes) const;
  std::string ReadFile(std::string_view relative) const;
  void MakeFolder(std::string_view relative) const;
  // The names directly inside a folder of the temp folder ("" for the folder itself), sorted.
  std::vector<std::string> List(std::string_view relative = "") const;

 private:
  std::string path_;
};
