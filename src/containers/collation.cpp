#include "containers/collation.h"

#include <algorithm>

#include "base/upper_case.h"

int CollateW(WideStringView a, WideStringView b, bool caseSensitive) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const char16_t left = caseSensitive ? a[i] : UpCaseUnit(a[i]);
    const char16_t right = caseSensitive ? b[i] : UpCaseUnit(b[i]);
    if (left != right) return left < right ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}
