#pragma once
// The data package that reads its items as files below a folder.
#include "config/package.h"

class TSWFolderPackage : public TSWPackage {
  SW_CLASS(TSWFolderPackage)

  using TSWPackage::TSWPackage;

  // The folder, always ending in "\" once set; relative to the working folder when relative.
  // Items already read keep their old content when it changes.
  const WideString& Path() const { return path_; }
  void SetPath(const WideString& path);

  // Path + name, with "\" and "/" both taken as the folder separator, opened read-only with
  // others allowed to read. nullptr when no such file exists or it is a folder.
  std::unique_ptr<TStream> OpenData(const WideString& name) override;

 private:
  WideString path_;
};
