#include "config/folder_package.h"

#include <algorithm>

#include "platform/file_stream.h"
#include "platform/files.h"

SW_CLASS_DEFINE(TSWFolderPackage, TSWPackage)

void TSWFolderPackage::SetPath(const WideString& path) {
  path_ = path;
  if (path_.empty() || path_.back() != u'\\') path_ += u'\\';
}

std::unique_ptr<TStream> TSWFolderPackage::OpenData(const WideString& name) {
  WideString fileName = path_ + name;
  std::replace(fileName.begin(), fileName.end(), u'\\', u'/');
  if (!FileExists(fileName)) return nullptr;
  return std::make_unique<TFileStreamW>(fileName, TFileMode::OpenRead);
}
