#include "base/wide_string.h"

WideString WideFromAscii(std::string_view text) {
  WideString result;
  result.reserve(text.size());
  for (unsigned char c : text) result.push_back(c);
  return result;
}

WideString IntToWide(int64_t value) { return WideFromAscii(std::to_string(value)); }

WideString Trim(WideStringView text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && text[first] <= u' ') ++first;
  while (last > first && text[last - 1] <= u' ') --last;
  return WideString(text.substr(first, last - first));
}

bool StartsWith(WideStringView text, WideStringView prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

size_t FindUnescaped(WideStringView text, char16_t separator) {
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == separator && (i == 0 || text[i - 1] != u'\\')) return i;
  return WideStringView::npos;
}
