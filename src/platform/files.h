#pragma once
// File helpers by wide name. Names are UTF-8 on disk; "\" separators are the caller's to map.
#include <cstddef>
#include <string>

#include "base/wide_string.h"

// The name as the operating system takes it (UTF-8).
std::string SystemFileName(const WideString& fileName);

// True when the name exists and is not a directory.
bool FileExists(const WideString& fileName);
// True when the name is a directory.
bool DirectoryExists(const WideString& fileName);
// True when the name is a regular file: not a directory, FIFO, device or socket.
bool IsRegularFile(const WideString& fileName);

// A file found by FindFileIgnoringCase.
struct TFileMatch {
  WideString FileName;       // the file as named on disk; empty when nothing matches
  bool CaseDiffers = false;  // true when only a match without regard to letter case was found
};

// The file `relativeName` ("/" between its parts) names below `folder`: the name as given when
// such a file exists, otherwise the name matched part by part among the entries on disk without
// regard to letter case, an exact part first. "." and ".." are resolved within the name and never
// reach above `folder`: such a name matches nothing. Only regular files match.
TFileMatch FindFileIgnoringCase(const WideString& folder, WideStringView relativeName);

// The absolute form of a (possibly relative) file name, as shown in messages: relative names
// are taken from the working folder, and "." and ".." parts are resolved. Empty stays empty.
WideString ExpandFileName(const WideString& fileName);

// The system's text for an errno value.
WideString SystemErrorText(int errorNumber);

// "TFileStreamW: Cannot open file "%s". %s" (EFOpenError), with the expanded name and the reason.
[[noreturn]] void RaiseFileOpenError(const WideString& fileName, const WideString& reason);
// "TFileStreamW: Cannot create file "%s". %s" (EFCreateError), with the expanded name and the
// system's text for the errno, or the reason given.
[[noreturn]] void RaiseFileCreateError(const WideString& fileName, int errorNumber);
[[noreturn]] void RaiseFileCreateError(const WideString& fileName, const WideString& reason);

// Writes every byte to the descriptor, retrying short and interrupted writes; 0 or the errno.
int WriteAllToDescriptor(int fd, const void* buffer, size_t count);

// Writes `bytes` to the file so that the old content survives any failure: the bytes go to a
// temporary file beside it, are flushed to disk, and the temporary file is renamed over the old
// one, after which the folder is flushed too. On failure the temporary file is removed and the
// call fails with the file-create message (EFCreateError).
void WriteFileAtomically(const WideString& fileName, const std::string& bytes);

// Deletes the file; true when it was deleted. Directories are not deleted.
bool DeleteFileW(const WideString& fileName);
