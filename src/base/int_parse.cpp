#include "base/int_parse.h"

#include "base/errors.h"

namespace {

int DigitValue(char16_t unit, int base) {
  int value = -1;
  if (unit >= u'0' && unit <= u'9')
    value = unit - u'0';
  else if (unit >= u'a' && unit <= u'f')
    value = unit - u'a' + 10;
  else if (unit >= u'A' && unit <= u'F')
    value = unit - u'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

std::optional<int32_t> TryStrToInt(WideStringView text) {
  size_t i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';

  int base = 10;
  if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
    base = 16;
    i += 1;
  } else if (i + 1 < text.size() && text[i] == u'0' &&
             (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;

  // Hexadecimal reads as an unsigned 32-bit pattern ($FFFFFFFF is -1); decimal must fit signed.
  const int64_t limit = base == 16 ? 0xFFFFFFFFll : (negative ? 0x80000000ll : 0x7FFFFFFFll);
  int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return std::nullopt;
  }
  const int64_t value = negative ? -magnitude : magnitude;
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

int32_t StrToInt(WideStringView text) {
  if (auto value = TryStrToInt(text)) return *value;
  Raise<EConvertError>(u"'%s' is not a valid integer value", {text});
}
