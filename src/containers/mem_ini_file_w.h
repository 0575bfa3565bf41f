#pragma once
// An ini file parsed whole into memory: sections in file order, each a hashed list of its lines
// ("name=value" with both parts trimmed, or a trimmed line without "="). A repeated section or
// key reads from its last occurrence. Lookups ignore letter case until SetCaseSensitive(true).
#include "containers/custom_ini_file_w.h"
#include "containers/hashed_string_list_w.h"
#include "containers/object_hash.h"

class TMemIniFileW : public TCustomIniFileW {
  SW_CLASS(TMemIniFileW)

  // Reads the file when the name is not empty and the file exists; fails with
  // "TFileStreamW: Cannot open file "%s". %s" when it exists but cannot be opened.
  explicit TMemIniFileW(WideString fileName = {});

  // All sections are dropped first. Lines before the first section header are ignored.
  void SetStrings(const TStringsW& lines) override;
  // Replaces the content of `lines` by each section as "[name]", its lines and an empty line.
  void GetStrings(TStringsW& lines) const;
  void Clear() override;
  void Reload() override;

  WideString ReadString(WideStringView section, WideStringView ident,
                        WideStringView defaultValue) const override;
  // Replaces the line of that name in the section (appended when missing), or appends one.
  void WriteString(WideStringView section, WideStringView ident, WideStringView value) override;
  void ReadSection(WideStringView section, TStringsW& strings) const override;
  void ReadSections(TStringsW& strings) const override;
  void ReadSectionValues(WideStringView section, TStringsW& strings) const override;
  // Looks the section up without copying its names.
  bool SectionExists(WideStringView section) const override;
  // Removes the section that reads find; an earlier one of the same name is read from then on.
  void EraseSection(WideStringView section) override;
  // Removes the line that reads find in that section; an earlier one of the same name is read
  // from then on.
  void DeleteKey(WideStringView section, WideStringView ident) override;
  // Replaces the file with GetStrings as UTF-8 without a byte-order mark, lines ending in CR LF;
  // fails with "TFileStreamW: Cannot create file "%s". %s".
  void UpdateFile() override;

  bool CaseSensitive() const { return sections_.CaseSensitive(); }
  // Applies to section names and to the keys of every section.
  void SetCaseSensitive(bool caseSensitive);

 private:
  // The last section of that name, or nullptr.
  THashedStringListW* FindSection(WideStringView section) const;
  THashedStringListW& AddSection(const WideString& section);
  void LoadFile();

  TObjectHash sections_;  // owns each section's THashedStringListW of lines
};
