#include "containers/hashed_string_list_w.h"

#include "base/upper_case.h"

SW_CLASS_DEFINE(THashedStringListW, TStringListW)

int THashedStringListW::IndexOf(WideStringView s) const {
  if (!valueHashValid_) RebuildValueHash();
  return Lookup(valueHash_, s);
}

int THashedStringListW::IndexOfName(WideStringView name) const {
  if (!nameHashValid_) RebuildNameHash();
  return Lookup(nameHash_, name);
}

void THashedStringListW::SetCaseSensitive(bool caseSensitive) {
  TStringListW::SetCaseSensitive(caseSensitive);
  Invalidate();
}

void THashedStringListW::SetNameValueSeparator(char16_t separator) {
  TStringListW::SetNameValueSeparator(separator);
  nameHashValid_ = false;
}

void THashedStringListW::Changed() {
  Invalidate();
  TStringListW::Changed();
}

void THashedStringListW::Invalidate() {
  valueHashValid_ = false;
  nameHashValid_ = false;
}

WideString THashedStringListW::KeyOf(WideStringView text) const {
  return CaseSensitive() ? WideString(text) : WideUpperCase(text);
}

int THashedStringListW::Lookup(const TStringHashW& hash, WideStringView key) const {
  return CaseSensitive() ? hash.ValueOf(key) : hash.ValueOfUpperCased(key);
}

void THashedStringListW::RebuildValueHash() const {
  valueHash_.Clear();
  for (int i = 0; i < Count(); ++i) valueHash_.Add(KeyOf(Strings(i)), i);
  valueHashValid_ = true;
}

void THashedStringListW::RebuildNameHash() const {
  nameHash_.Clear();
  for (int i = 0; i < Count(); ++i) {
    const size_t separator = SeparatorPos(i);
    if (separator != WideString::npos)
      nameHash_.Add(KeyOf(WideStringView(Strings(i)).substr(0, separator)), i);
  }
  nameHashValid_ = true;
}
