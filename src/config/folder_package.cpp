#include "config/folder_package.h"

#include <algorithm>

#include "platform/file_stream.h"

SW_CLASS_DEFINE(TSWFolderPackage, TSWPackage)

void TSWFolderPackage::SetPath(const WideString& path) {
  path_ = path;
  if (path_.empty() || path_.back() != u'\\') path_ += u'\\';
}

namespace {

WideString WithSlashes(WideString name) {
  std::replace(name.begin(), name.end(), u'\\', u'/');
  return name;
}

}  // namespace

bool TSWFolderPackage::LeavesFolder(WideStringView name) {
  if (name.empty()) return false;
  if (name[0] == u'\\' || name[0] == u'/') return true;
  const char16_t letter = name[0] | 0x20;
  if (name.size() >= 2 && name[1] == u':' && letter >= u'a' && letter <= u'z') return true;
  int depth = 0;
  for (size_t start = 0; start <= name.size();) {
    const size_t end = std::min(name.find_first_of(u"\\/", start), name.size());
    const WideStringView part = name.substr(start, end - start);
    if (part == u"..") {
      if (--depth < 0) return true;
    } else if (!part.empty() && part != u".") {
      ++depth;
    }
    start = end + 1;
  }
  return false;
}

TFileMatch TSWFolderPackage::FindItem(const WideString& name) const {
  if (LeavesFolder(name)) return {};
  return FindFileIgnoringCase(WithSlashes(path_), WithSlashes(name));
}

std::unique_ptr<TStream> TSWFolderPackage::OpenData(const WideString& name) {
  const TFileMatch file = FindItem(name);
  if (file.FileName.empty()) return nullptr;
  return std::make_unique<TFileStreamW>(file.FileName, TFileMode::OpenRead);
}
