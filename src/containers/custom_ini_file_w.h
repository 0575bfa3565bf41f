#pragma once
// The interface shared by the in-memory ini and the ini that reads and writes its file directly.
// Names, keys and values are wide strings; reads never fail, a missing value gives the default.
#include <cstdint>

#include "base/tobject.h"
#include "base/wide_string.h"

class TStream;
class TStringsW;

class TCustomIniFileW : public TObject {
  SW_CLASS(TCustomIniFileW)

  explicit TCustomIniFileW(WideString fileName) : fileName_(std::move(fileName)) {}

  const WideString& FileName() const { return fileName_; }

  // Replaces the whole content by `lines`, read as ini text.
  virtual void SetStrings(const TStringsW& lines) = 0;
  virtual void Clear() = 0;
  // Reads the file again; content that lives only in the file has nothing to reload.
  virtual void Reload() {}

  virtual WideString ReadString(WideStringView section, WideStringView ident,
                                WideStringView defaultValue) const = 0;
  virtual void WriteString(WideStringView section, WideStringView ident, WideStringView value) = 0;
  // A value of three or more characters starting with "0x" or "0X" is hexadecimal; otherwise
  // TryStrToInt's syntax. Anything that does not parse gives the default.
  virtual int32_t ReadInteger(WideStringView section, WideStringView ident,
                              int32_t defaultValue) const;
  virtual void WriteInteger(WideStringView section, WideStringView ident, int32_t value);
  // ReadInteger with the default 1 or 0; true when not 0.
  virtual bool ReadBool(WideStringView section, WideStringView ident, bool defaultValue) const;
  // Writes "1" or "0".
  virtual void WriteBool(WideStringView section, WideStringView ident, bool value);
  // A decimal number with "." as the separator and an optional exponent; else the default.
  virtual double ReadFloat(WideStringView section, WideStringView ident, double defaultValue) const;
  // Writes the shortest text that reads back as exactly `value`.
  virtual void WriteFloat(WideStringView section, WideStringView ident, double value);

  // Each of these replaces the content of `strings`.
  // The names of the section's lines in order; a line without "=" gives an empty name.
  virtual void ReadSection(WideStringView section, TStringsW& strings) const = 0;
  // Every section name in file order, repeated names included.
  virtual void ReadSections(TStringsW& strings) const = 0;
  // The section's stored lines.
  virtual void ReadSectionValues(WideStringView section, TStringsW& strings) const = 0;
  virtual void EraseSection(WideStringView section) = 0;
  virtual void DeleteKey(WideStringView section, WideStringView ident) = 0;
  virtual void UpdateFile() = 0;

  // True when the section is present and holds at least one line.
  virtual bool SectionExists(WideStringView section) const;
  // Parses the stream's remaining bytes as UTF-8 ini text (a byte-order mark is not skipped).
  void LoadFromStream(TStream& stream);
  // The sections whose names contain `text` (exactly, case-sensitively), in order; with `strip`,
  // each without its first text.size() characters. Replaces the content of `strings`.
  void ReadSectionsContaining(WideStringView text, TStringsW& strings, bool strip) const;

 private:
  WideString fileName_;
};
