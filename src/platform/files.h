#pragma once
// File helpers by wide name. Names are UTF-8 on disk; "\" separators are the caller's to map.
#include <string>

#include "base/wide_string.h"

// The name as the operating system takes it (UTF-8).
std::string SystemFileName(const WideString& fileName);

// True when the name exists and is not a directory.
bool FileExists(const WideString& fileName);

// The absolute form of a (possibly relative) file name, as shown in messages.
WideString ExpandFileName(const WideString& fileName);

// The system's text for an errno value.
WideString SystemErrorText(int errorNumber);

// Writes `bytes` to the file so that the old content survives any failure: the bytes go to a
// temporary file beside it, are flushed to disk, and the temporary file is renamed over the old
// one. Fails with the file-create message (EFCreateError).
void WriteFileAtomically(const WideString& fileName, const std::string& bytes);

// Deletes the file; true when it was deleted.
bool DeleteFileW(const WideString& fileName);
