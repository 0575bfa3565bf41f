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

TFileMatch TSWFolderPackage::FindItem(const WideString& name) const {
  return FindFileIgnoringCase(WithSlashes(path_), WithSlashes(name));
}

std::unique_ptr<TStream> TSWFolderPackage::OpenData(const WideString& name) {
  const TFileMatch file = FindItem(name);
  if (file.FileName.empty()) return nullptr;
  return std::make_unique<TFileStreamW>(file.FileName, TFileMode::OpenRead);
}
