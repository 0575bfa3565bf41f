#include "platform/file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/errors.h"
#include "platform/files.h"

SW_CLASS_DEFINE(TFileStreamW, TStream)

namespace {

int OpenFlags(TFileMode mode) {
  return mode == TFileMode::OpenRead ? O_RDONLY | O_CLOEXEC
                                     : O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
}

// Opens the file; 0 or the errno. A directory opens for reading on POSIX but is no file.
int OpenFile(const std::string& path, TFileMode mode, int& fd) {
  fd = ::open(path.c_str(), OpenFlags(mode), 0644);
  if (fd < 0) return errno;
  struct stat info;
  if (::fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode)) return 0;
  ::close(fd);
  fd = -1;
  return EISDIR;
}

}  // namespace

TFileStreamW::TFileStreamW(const WideString& fileName, TFileMode mode) : fileName_(fileName) {
  if (const int error = OpenFile(SystemFileName(fileName), mode, fd_)) {
    if (mode == TFileMode::OpenRead) RaiseFileOpenError(fileName, error);
    RaiseFileCreateError(fileName, error);
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
