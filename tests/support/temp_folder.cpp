#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "base/utf8.h"

namespace fs = std::filesystem;

TTempFolder::TTempFolder() {
  std::string pattern = (fs::path(testing::TempDir()) / "sorrelwind-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TTempFolder::~TTempFolder() {
  std::error_code ignored;
  // Tests may leave read-only folders behind; make them removable first.
  for (const auto& entry : fs::recursive_directory_iterator(path_, ignored))
    if (entry.is_directory(ignored))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::string TTempFolder::PathOf(std::string_view relative) const {
  return relative.empty() ? path_ : path_ + "/" + std::string(relative);
}

WideString TTempFolder::NameOf(std::string_view relative) const {
  return Utf8Decode(PathOf(relative));
}

void TTempFolder::WriteFile(std::string_view relative, std::string_view bytes) const {
  std::ofstream(PathOf(relative), std::ios::binary).write(bytes.data(), bytes.size());
}

std::string TTempFolder::ReadFile(std::string_view relative) const {
  std::ifstream in(PathOf(relative), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void TTempFolder::MakeFolder(std::string_view relative) const {
  fs::create_directory(PathOf(relative));
}

std::vector<std::string> TTempFolder::List(std::string_view relative) const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(PathOf(relative)))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}
