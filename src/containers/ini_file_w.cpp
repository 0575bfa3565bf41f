#include "containers/ini_file_w.h"

#include "base/errors.h"
#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"
#include "platform/files.h"

SW_CLASS_DEFINE(TIniFileW, TCustomIniFileW)

namespace {

[[noreturn]] void RaiseUnableToWrite(const WideString& fileName) {
  Raise<EFCreateError>(u"Unable to write to %s", {fileName});
}

// Replaces `strings` by the leading names of `names` that fit a names buffer.
void SetNamesThatFit(const TStringsW& names, TStringsW& strings) {
  strings.UpdateWith([&] {
    strings.Clear();
    size_t used = 1;  // the terminator after the last name
    for (int i = 0; i < names.Count(); ++i) {
      used += names.Strings(i).size() + 1;
      if (used > TIniFileW::kNamesBufferSize) break;
      strings.Add(names.Strings(i));
    }
  });
}

}  // namespace

std::unique_ptr<TMemIniFileW> TIniFileW::ReadContent() const {
  try {
    return std::make_unique<TMemIniFileW>(FileName());
  } catch (const EFOpenError&) {
    return std::make_unique<TMemIniFileW>();
  }
}

template <class Write>
void TIniFileW::WriteOrRaise(Write write) {
  try {
    write();
  } catch (const Exception&) {
    RaiseUnableToWrite(FileName());
  }
}

template <class Change>
void TIniFileW::ChangeFile(Change change) {
  // An unreadable file fails here instead of being replaced by the change alone.
  WriteOrRaise([&] {
    TMemIniFileW content(FileName());
    change(content);
    content.UpdateFile();
  });
}

void TIniFileW::SetStrings(const TStringsW& lines) {
  WriteOrRaise([&] { lines.SaveToFile(FileName()); });
}

void TIniFileW::Clear() {
  if (FileExists(FileName()) && !DeleteFileW(FileName())) RaiseUnableToWrite(FileName());
}

WideString TIniFileW::ReadString(WideStringView section, WideStringView ident,
                                 WideStringView defaultValue) const {
  return ReadContent()->ReadString(section, ident, defaultValue).substr(0, kValueBufferSize - 1);
}

void TIniFileW::WriteString(WideStringView section, WideStringView ident, WideStringView value) {
  ChangeFile([&](TMemIniFileW& content) { content.WriteString(section, ident, value); });
}

void TIniFileW::ReadSection(WideStringView section, TStringsW& strings) const {
  TStringListW names;
  ReadContent()->ReadSection(section, names);
  SetNamesThatFit(names, strings);
}

void TIniFileW::ReadSections(TStringsW& strings) const {
  TStringListW names;
  ReadContent()->ReadSections(names);
  SetNamesThatFit(names, strings);
}

void TIniFileW::ReadSectionValues(WideStringView section, TStringsW& strings) const {
  ReadContent()->ReadSectionValues(section, strings);
}

void TIniFileW::EraseSection(WideStringView section) {
  ChangeFile([&](TMemIniFileW& content) { content.EraseSection(section); });
}

void TIniFileW::DeleteKey(WideStringView section, WideStringView ident) {
  ChangeFile([&](TMemIniFileW& content) { content.DeleteKey(section, ident); });
}

void TIniFileW::WriteAll(const std::function<void(TCustomIniFileW&)>& writes) {
  ChangeFile([&](TMemIniFileW& content) { writes(content); });
}
