#include "containers/custom_ini_file_w.h"

#include <charconv>
#include <string>

#include "base/int_parse.h"
#include "containers/string_list_w.h"

SW_CLASS_DEFINE(TCustomIniFileW, TObject)

int32_t TCustomIniFileW::ReadInteger(WideStringView section, WideStringView ident,
                                     int32_t defaultValue) const {
  WideString text = ReadString(section, ident, u"");
  if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
    text.replace(0, 2, u"$");
  return TryStrToInt(text).value_or(defaultValue);
}

void TCustomIniFileW::WriteInteger(WideStringView section, WideStringView ident, int32_t value) {
  WriteString(section, ident, IntToWide(value));
}

bool TCustomIniFileW::ReadBool(WideStringView section, WideStringView ident,
                               bool defaultValue) const {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFileW::WriteBool(WideStringView section, WideStringView ident, bool value) {
  WriteString(section, ident, value ? u"1" : u"0");
}

double TCustomIniFileW::ReadFloat(WideStringView section, WideStringView ident,
                                  double defaultValue) const {
  const WideString text = ReadString(section, ident, u"");
  std::string narrow;
  for (char16_t unit : text) {
    if (unit >= 0x80) return defaultValue;
    narrow.push_back(static_cast<char>(unit));
  }
  double value;
  const char* end = narrow.data() + narrow.size();
  const auto [stop, error] = std::from_chars(narrow.data(), end, value);
  return error == std::errc() && stop == end ? value : defaultValue;
}

void TCustomIniFileW::WriteFloat(WideStringView section, WideStringView ident, double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  WriteString(section, ident, WideFromAscii(std::string_view(buffer, result.ptr - buffer)));
}

bool TCustomIniFileW::SectionExists(WideStringView section) const {
  TStringListW names;
  ReadSection(section, names);
  return names.Count() > 0;
}

void TCustomIniFileW::LoadFromStream(TStream& stream) {
  TStringListW lines;
  lines.LoadFromStream(stream);
  SetStrings(lines);
}

void TCustomIniFileW::ReadSectionsContaining(WideStringView text, TStringsW& strings,
                                             bool strip) const {
  TStringListW sections;
  ReadSections(sections);
  strings.UpdateWith([&] {
    strings.Clear();
    for (int i = 0; i < sections.Count(); ++i) {
      const WideString& name = sections.Strings(i);
      if (name.find(text) == WideString::npos) continue;
      strings.Add(strip ? name.substr(text.size()) : name);
    }
  });
}
