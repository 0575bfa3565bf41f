#include "containers/strings_w.h"

#include "base/utf8.h"
#include "containers/collation.h"
#include "platform/file_stream.h"
#include "platform/files.h"

SW_CLASS_DEFINE(TStringsW, TObject)

void TStringsW::AddStrings(const TStringsW& source) {
  UpdateWith([&] {
    for (int i = 0; i < source.Count(); ++i) AddObject(source.Strings(i), source.Objects(i));
  });
}

int TStringsW::IndexOf(WideStringView s) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Strings(i), s) == 0) return i;
  return -1;
}

int TStringsW::IndexOfName(WideStringView name) const {
  for (int i = 0; i < Count(); ++i) {
    const size_t separator = SeparatorPos(i);
    if (separator != WideString::npos &&
        CompareStrings(WideStringView(Strings(i)).substr(0, separator), name) == 0)
      return i;
  }
  return -1;
}

bool TStringsW::DeleteString(WideStringView s) {
  const int index = IndexOf(s);
  if (index < 0) return false;
  Delete(index);
  return true;
}

bool TStringsW::DeleteName(WideStringView name) {
  const int index = IndexOfName(name);
  if (index < 0) return false;
  Delete(index);
  return true;
}

WideString TStringsW::Names(int index) const {
  const size_t separator = SeparatorPos(index);
  return separator == WideString::npos ? WideString() : Strings(index).substr(0, separator);
}

WideString TStringsW::Values(WideStringView name) const {
  const int index = IndexOfName(name);
  return index < 0 ? WideString() : Strings(index).substr(name.size() + 1);
}

WideString TStringsW::Text() const {
  size_t length = 0;
  for (int i = 0; i < Count(); ++i) length += Strings(i).size() + 2;
  WideString text;
  text.reserve(length);
  for (int i = 0; i < Count(); ++i) text.append(Strings(i)).append(u"\r\n");
  return text;
}

void TStringsW::SetText(WideStringView text) {
  UpdateWith([&] {
    Clear();
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find_first_of(u"\r\n", start);
      if (end == WideStringView::npos) end = text.size();
      Add(WideString(text.substr(start, end - start)));
      start = end;
      if (start < text.size() && text[start] == u'\r') ++start;
      if (start < text.size() && text[start] == u'\n') ++start;
    }
  });
}

void TStringsW::LoadFromStream(TStream& stream) { SetText(Utf8Decode(stream.ReadRemaining())); }

void TStringsW::LoadFromFile(const WideString& fileName) {
  TFileStreamW file(fileName, TFileMode::OpenRead);
  std::string bytes = file.ReadRemaining();
  if (bytes.starts_with(kUtf8Bom)) bytes.erase(0, kUtf8Bom.size());
  SetText(Utf8Decode(bytes));
}

void TStringsW::SaveToStream(TStream& stream) const {
  const std::string bytes = Utf8Encode(Text());
  stream.Write(bytes.data(), bytes.size());
}

void TStringsW::SaveToFile(const WideString& fileName) const {
  WriteFileAtomically(fileName, Utf8Encode(Text()));
}

void TStringsW::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStringsW::EndUpdate() {
  if (updateCount_ == 0) return;  // unbalanced: nothing to end
  if (--updateCount_ == 0) SetUpdateState(false);
}

int TStringsW::CompareStrings(WideStringView a, WideStringView b) const {
  return CollateW(a, b, false);
}

WideString LineName(WideStringView line) { return WideString(line.substr(0, line.find(u'='))); }

WideString LineValue(WideStringView line) {
  const size_t equals = line.find(u'=');
  return equals == WideStringView::npos ? WideString() : WideString(line.substr(equals + 1));
}

std::vector<WideString> StringsOf(const TStringsW& list) {
  std::vector<WideString> strings;
  strings.reserve(list.Count());
  for (int i = 0; i < list.Count(); ++i) strings.push_back(list.Strings(i));
  return strings;
}
