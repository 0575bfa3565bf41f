#pragma once
// An ini file that keeps nothing in memory: every read parses the file as it is on disk, and every
// write reaches the file before it returns, replacing it atomically (a failed write leaves the old
// file as it was). Reads see at most what a profile-string buffer holds.
#include <cstddef>
#include <functional>
#include <memory>

#include "containers/custom_ini_file_w.h"

class TMemIniFileW;

class TIniFileW : public TCustomIniFileW {
  SW_CLASS(TIniFileW)

  // ReadString returns at most kValueBufferSize - 1 characters.
  static constexpr size_t kValueBufferSize = 2048;
  // ReadSection and ReadSections return the names that fit, each with a terminating character
  // and one more terminator at the end.
  static constexpr size_t kNamesBufferSize = 16384;

  explicit TIniFileW(WideString fileName) : TCustomIniFileW(std::move(fileName)) {}

  // The file's content becomes `lines`.
  void SetStrings(const TStringsW& lines) override;
  // Deletes the file.
  void Clear() override;

  WideString ReadString(WideStringView section, WideStringView ident,
                        WideStringView defaultValue) const override;
  void WriteString(WideStringView section, WideStringView ident, WideStringView value) override;
  void ReadSection(WideStringView section, TStringsW& strings) const override;
  void ReadSections(TStringsW& strings) const override;
  void ReadSectionValues(WideStringView section, TStringsW& strings) const override;
  void EraseSection(WideStringView section) override;
  void DeleteKey(WideStringView section, WideStringView ident) override;
  // Makes all the writes of `writes`, done on the file's content, in one replacement of the
  // file: a crash leaves either all of them or none. Fails as WriteString does.
  void WriteAll(const std::function<void(TCustomIniFileW&)>& writes);
  // Every write has reached the file already.
  void UpdateFile() override {}

 private:
  // The file parsed as it is now; a missing or unreadable file reads as empty.
  std::unique_ptr<TMemIniFileW> ReadContent() const;
  // Runs `write`, turning any failure into "Unable to write to %s" (EFCreateError).
  template <class Write>
  void WriteOrRaise(Write write);
  // Applies `change` to the file's content and writes the result back.
  template <class Change>
  void ChangeFile(Change change);
};
