#pragma once
// The data package that reads its items as files below a folder.
#include "config/package.h"
#include "platform/files.h"

class TSWFolderPackage : public TSWPackage {
  SW_CLASS(TSWFolderPackage)

  using TSWPackage::TSWPackage;

  // The folder, always ending in "\" once set; relative to the working folder when relative.
  // Items already read keep their old content when it changes.
  const WideString& Path() const { return path_; }
  void SetPath(const WideString& path);

  // The file of the item below Path, "\" and "/" both separating folders: the name as given,
  // otherwise matched without regard to letter case, since the data names its items as a
  // case-blind file system lets it. Items never reach above Path: a name that leaves the folder
  // finds nothing, and so does anything but a regular file.
  TFileMatch FindItem(const WideString& name) const;
  // True when the name would leave the folder: it starts at a root ("\", "/" or a drive letter
  // such as "C:") or its ".." parts climb above where it starts.
  static bool LeavesFolder(WideStringView name);
  // The file FindItem finds, opened read-only with others allowed to read; nullptr when there is
  // none, it is not a regular file (a folder, a FIFO, a device) or the name leaves the folder.
  std::unique_ptr<TStream> OpenData(const WideString& name) override;

 private:
  WideString path_;
};
