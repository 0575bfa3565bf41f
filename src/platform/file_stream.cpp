#include "platform/file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "base/errors.h"
#include "platform/files.h"

SW_CLASS_DEFINE(TFileStreamW, TStream)

namespace {

int OpenFlags(TFileMode mode) {
  // Non-blocking, so that a FIFO or device named as a file cannot hold the open up.
  return mode == TFileMode::OpenRead ? O_RDONLY | O_CLOEXEC | O_NONBLOCK
                                     : O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
}

// A regular file read as usual from here on.
bool ClearNonBlocking(int fd) {
  const int flags = ::fcntl(fd, F_GETFL);
  return flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

// Opens the file; nothing or the reason it cannot be. A directory opens for reading on POSIX
// but is no file; nor, for reading, is anything else that is not a regular file.
std::optional<WideString> OpenFile(const std::string& path, TFileMode mode, int& fd) {
  fd = ::open(path.c_str(), OpenFlags(mode), 0644);
  if (fd < 0) return SystemErrorText(errno);
  struct stat info;
  std::optional<WideString> refusal;
  if (::fstat(fd, &info) != 0)
    refusal = SystemErrorText(errno);
  else if (S_ISDIR(info.st_mode))
    refusal = SystemErrorText(EISDIR);
  else if (mode == TFileMode::OpenRead && !S_ISREG(info.st_mode))
    refusal = u"Not a regular file";
  else if (mode == TFileMode::OpenRead && !ClearNonBlocking(fd))
    refusal = SystemErrorText(errno);
  if (!refusal) return std::nullopt;
  ::close(fd);
  fd = -1;
  return refusal;
}

}  // namespace

TFileStreamW::TFileStreamW(const WideString& fileName, TFileMode mode) : fileName_(fileName) {
  if (const std::optional<WideString> refusal = OpenFile(SystemFileName(fileName), mode, fd_)) {
    if (mode == TFileMode::OpenRead) RaiseFileOpenError(fileName, *refusal);
    RaiseFileCreateError(fileName, *refusal);
  }
}

TFileStreamW::~TFileStreamW() { ::close(fd_); }

size_t TFileStreamW::Read(void* buffer, size_t count) {
  char* next = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(fd_, next + done, count - done);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      Raise<EOSError>(u"Stream read error");
    }
    done += static_cast<size_t>(got);
  }
  return done;
}

void TFileStreamW::Write(const void* buffer, size_t count) {
  if (WriteAllToDescriptor(fd_, buffer, count) != 0) Raise<EOSError>(u"Stream write error");
}

int64_t TFileStreamW::Size() const {
  struct stat info;
  if (::fstat(fd_, &info) != 0) Raise<EOSError>(u"Stream read error");
  return info.st_size;
}

int64_t TFileStreamW::Position() const { return ::lseek(fd_, 0, SEEK_CUR); }

void TFileStreamW::SetPosition(int64_t position) {
  if (::lseek(fd_, position, SEEK_SET) < 0) Raise<EOSError>(u"Stream seek error");
}
