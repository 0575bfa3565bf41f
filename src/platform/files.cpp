#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include "base/errors.h"
#include "base/upper_case.h"
#include "base/utf8.h"

std::string SystemFileName(const WideString& fileName) { return Utf8Encode(fileName); }

bool FileExists(const WideString& fileName) {
  struct stat info;
  return ::stat(SystemFileName(fileName).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const WideString& fileName) {
  struct stat info;
  return ::stat(SystemFileName(fileName).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsRegularFile(const WideString& fileName) {
  struct stat info;
  return ::stat(SystemFileName(fileName).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

namespace {

// The parts of a "/"-separated name with "." and ".." resolved and empty parts dropped. A ".." that
// would reach above the name's start is dropped too, and sets `climbedAbove`.
std::vector<WideStringView> ResolvedParts(WideStringView name, bool* climbedAbove = nullptr) {
  std::vector<WideStringView> parts;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find(u'/', start);
    if (end == WideStringView::npos) end = name.size();
    const WideStringView part = name.substr(start, end - start);
    if (part == u"..") {
      if (!parts.empty())
        parts.pop_back();
      else if (climbedAbove != nullptr)
        *climbedAbove = true;
    } else if (!part.empty() && part != u".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  return parts;
}

WideString WorkingFolder() {
  std::vector<char> buffer(256);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return u"";
    buffer.resize(buffer.size() * 2);
  }
  return Utf8Decode(buffer.data());
}

// Resolves "." and ".." and drops repeated separators in an absolute name.
WideString NormalizeAbsolute(WideStringView name) {
  WideString result;
  for (WideStringView part : ResolvedParts(name)) result.append(u"/").append(part);
  if (result.empty() || name.back() == u'/') result += u'/';
  return result;
}

WideString JoinFileName(const WideString& folder, WideStringView part) {
  if (folder.empty()) return WideString(part);
  WideString joined = folder;
  if (joined.back() != u'/') joined += u'/';
  return joined.append(part);
}

bool EntryExists(const WideString& fileName) {
  struct stat info;
  return ::stat(SystemFileName(fileName).c_str(), &info) == 0;
}

// The entry of `folder` that is `part` up to letter case: `part` itself when it exists, otherwise
// the first such entry in code-unit order, so that the choice does not depend on the disk.
std::optional<WideString> EntryIgnoringCase(const WideString& folder, WideStringView part) {
  if (EntryExists(JoinFileName(folder, part))) return WideString(part);
  DIR* entries = ::opendir(SystemFileName(folder.empty() ? u"." : folder).c_str());
  if (entries == nullptr) return std::nullopt;
  std::optional<WideString> found;
  while (const dirent* entry = ::readdir(entries)) {
    WideString name = Utf8Decode(entry->d_name);
    if (SameTextW(name, part) && (!found || name < *found)) found = std::move(name);
  }
  ::closedir(entries);
  return found;
}

}  // namespace

TFileMatch FindFileIgnoringCase(const WideString& folder, WideStringView relativeName) {
  bool climbedAbove = false;
  const std::vector<WideStringView> parts = ResolvedParts(relativeName, &climbedAbove);
  if (climbedAbove || parts.empty()) return {};
  WideString exact = folder;
  for (WideStringView part : parts) exact = JoinFileName(exact, part);
  if (IsRegularFile(exact)) return {exact, false};
  WideString found = folder;
  for (WideStringView part : parts) {
    const std::optional<WideString> entry = EntryIgnoringCase(found, part);
    if (!entry) return {};
    found = JoinFileName(found, *entry);
  }
  if (!IsRegularFile(found)) return {};
  return {found, true};
}

WideString ExpandFileName(const WideString& fileName) {
  if (fileName.empty()) return fileName;
  if (fileName.front() == u'/') return NormalizeAbsolute(fileName);
  return NormalizeAbsolute(WorkingFolder() + u"/" + fileName);
}

WideString SystemErrorText(int errorNumber) {
  char buffer[256];
  // The GNU variant: returns the text, which need not be in the buffer.
  const char* text = ::strerror_r(errorNumber, buffer, sizeof buffer);
  return Utf8Decode(text);
}

void RaiseFileOpenError(const WideString& fileName, const WideString& reason) {
  Raise<EFOpenError>(u"TFileStreamW: Cannot open file \"%s\". %s",
                     {ExpandFileName(fileName), reason});
}

void RaiseFileCreateError(const WideString& fileName, int errorNumber) {
  RaiseFileCreateError(fileName, SystemErrorText(errorNumber));
}

void RaiseFileCreateError(const WideString& fileName, const WideString& reason) {
  Raise<EFCreateError>(u"TFileStreamW: Cannot create file \"%s\". %s",
                       {ExpandFileName(fileName), reason});
}

int WriteAllToDescriptor(int fd, const void* buffer, size_t count) {
  const char* next = static_cast<const char*>(buffer);
  while (count > 0) {
    const ssize_t written = ::write(fd, next, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    next += written;
    count -= static_cast<size_t>(written);
  }
  return 0;
}

namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Makes a rename in the folder durable. File systems that cannot sync a folder say EINVAL;
// there is nothing more to do on those.
int SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  ::close(fd);
  return error;
}

// A uniquely named file beside the target that is removed again unless it replaced the target.
class TTemporaryFile {
 public:
  explicit TTemporaryFile(const std::string& target) : path_(target + ".XXXXXX") {
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    created_ = fd_ >= 0;
    error_ = created_ ? 0 : errno;
  }
  ~TTemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (created_ && !renamed_) ::unlink(path_.c_str());
  }
  TTemporaryFile(const TTemporaryFile&) = delete;
  TTemporaryFile& operator=(const TTemporaryFile&) = delete;

  // Each step runs only while the previous ones succeeded; returns 0 or the first errno.
  int Replace(const std::string& target, const std::string& bytes) {
    Step([&] { return WriteAllToDescriptor(fd_, bytes.data(), bytes.size()); });
    Step([&] { return ::fchmod(fd_, 0644) == 0 ? 0 : errno; });
    Step([&] { return ::fsync(fd_) == 0 ? 0 : errno; });
    Step([&] { return CloseDescriptor(); });
    Step([&] { return ::rename(path_.c_str(), target.c_str()) == 0 ? 0 : errno; });
    if (error_ == 0) renamed_ = true;
    Step([&] { return SyncFolder(FolderOf(target)); });
    return error_;
  }

 private:
  template <class Action>
  void Step(Action action) {
    if (error_ == 0) error_ = action();
  }

  int CloseDescriptor() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

  std::string path_;
  int fd_ = -1;
  int error_ = 0;
  bool created_ = false;
  bool renamed_ = false;
};

}  // namespace

void WriteFileAtomically(const WideString& fileName, const std::string& bytes) {
  const std::string target = SystemFileName(fileName);
  TTemporaryFile temporary(target);
  if (const int error = temporary.Replace(target, bytes)) RaiseFileCreateError(fileName, error);
}

bool DeleteFileW(const WideString& fileName) {
  return ::unlink(SystemFileName(fileName).c_str()) == 0;
}
