#include "containers/mem_ini_file_w.h"

#include "platform/files.h"

SW_CLASS_DEFINE(TMemIniFileW, TCustomIniFileW)

TMemIniFileW::TMemIniFileW(WideString fileName) : TCustomIniFileW(std::move(fileName)) {
  LoadFile();
}

void TMemIniFileW::LoadFile() {
  if (FileName().empty() || !FileExists(FileName())) {
    Clear();
    return;
  }
  TStringListW lines;
  lines.LoadFromFile(FileName());
  SetStrings(lines);
}

void TMemIniFileW::Reload() { LoadFile(); }

void TMemIniFileW::Clear() { sections_.Clear(); }

void TMemIniFileW::SetStrings(const TStringsW& lines) {
  Clear();
  THashedStringListW* current = nullptr;
  for (int i = 0; i < lines.Count(); ++i) {
    const WideString line = Trim(lines.Strings(i));
    if (line.empty() || line.front() == u';') continue;
    if (line.front() == u'[' && line.back() == u']') {
      current = &AddSection(Trim(WideStringView(line).substr(1, line.size() - 2)));
    } else if (current) {
      const size_t equals = line.find(u'=');
      if (equals == WideString::npos) {
        current->Add(line);
      } else {
        const WideStringView text(line);
        current->Add(Trim(text.substr(0, equals)) + u"=" + Trim(text.substr(equals + 1)));
      }
    }
  }
}

void TMemIniFileW::GetStrings(TStringsW& lines) const {
  lines.UpdateWith([&] {
    lines.Clear();
    for (int i = 0; i < sections_.Count(); ++i) {
      lines.Add(u"[" + sections_.Strings(i) + u"]");
      lines.AddStrings(*static_cast<const THashedStringListW*>(sections_.Objects(i)));
      lines.Add(u"");
    }
  });
}

THashedStringListW* TMemIniFileW::FindSection(WideStringView section) const {
  return static_cast<THashedStringListW*>(sections_.Find(section));
}

THashedStringListW& TMemIniFileW::AddSection(const WideString& section) {
  auto* lines = new THashedStringListW;
  lines->SetCaseSensitive(CaseSensitive());
  sections_.AddObject(section, lines);
  return *lines;
}

WideString TMemIniFileW::ReadString(WideStringView section, WideStringView ident,
                                    WideStringView defaultValue) const {
  if (const THashedStringListW* lines = FindSection(section)) {
    const int index = lines->IndexOfName(ident);
    if (index >= 0) return lines->Strings(index).substr(ident.size() + 1);
  }
  return WideString(defaultValue);
}

void TMemIniFileW::WriteString(WideStringView section, WideStringView ident, WideStringView value) {
  THashedStringListW* lines = FindSection(section);
  if (!lines) lines = &AddSection(WideString(section));
  WideString line = WideString(ident) + u"=" + WideString(value);
  const int index = lines->IndexOfName(ident);
  if (index >= 0)
    lines->SetStrings(index, line);
  else
    lines->Add(line);
}

void TMemIniFileW::ReadSection(WideStringView section, TStringsW& strings) const {
  strings.UpdateWith([&] {
    strings.Clear();
    if (const THashedStringListW* lines = FindSection(section))
      for (int i = 0; i < lines->Count(); ++i) strings.Add(lines->Names(i));
  });
}

void TMemIniFileW::ReadSections(TStringsW& strings) const {
  strings.UpdateWith([&] {
    strings.Clear();
    for (int i = 0; i < sections_.Count(); ++i) strings.Add(sections_.Strings(i));
  });
}

void TMemIniFileW::ReadSectionValues(WideStringView section, TStringsW& strings) const {
  strings.UpdateWith([&] {
    strings.Clear();
    if (const THashedStringListW* lines = FindSection(section)) strings.AddStrings(*lines);
  });
}

bool TMemIniFileW::SectionExists(WideStringView section) const {
  const THashedStringListW* lines = FindSection(section);
  return lines != nullptr && lines->Count() > 0;
}

void TMemIniFileW::EraseSection(WideStringView section) { sections_.DeleteString(section); }

void TMemIniFileW::DeleteKey(WideStringView section, WideStringView ident) {
  if (THashedStringListW* lines = FindSection(section)) lines->DeleteName(ident);
}

void TMemIniFileW::UpdateFile() {
  TStringListW lines;
  GetStrings(lines);
  lines.SaveToFile(FileName());
}

void TMemIniFileW::SetCaseSensitive(bool caseSensitive) {
  sections_.SetCaseSensitive(caseSensitive);
  for (int i = 0; i < sections_.Count(); ++i)
    static_cast<THashedStringListW*>(sections_.Objects(i))->SetCaseSensitive(caseSensitive);
}
