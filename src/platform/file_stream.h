#pragma once
// A stream over a file on disk, named by a wide file name.
#include "platform/stream.h"

enum class TFileMode {
  OpenRead,  // existing file, read only; others may read it meanwhile
  Create,    // create or truncate, write only
};

class TFileStreamW : public TStream {
  SW_CLASS(TFileStreamW)

  // Fails with "TFileStreamW: Cannot open file "%s". %s" (EFOpenError) or
  // "TFileStreamW: Cannot create file "%s". %s" (EFCreateError): the expanded file name and the
  // system's error text. A directory is refused as "Is a directory"; for reading, anything else
  // that is not a regular file (a FIFO, a device) as "Not a regular file", without waiting.
  TFileStreamW(const WideString& fileName, TFileMode mode);
  ~TFileStreamW() override;

  size_t Read(void* buffer, size_t count) override;
  void Write(const void* buffer, size_t count) override;
  int64_t Size() const override;
  int64_t Position() const override;
  void SetPosition(int64_t position) override;

  const WideString& FileName() const { return fileName_; }

 private:
  WideString fileName_;
  int fd_ = -1;
};
