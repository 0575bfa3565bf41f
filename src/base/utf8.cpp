#include "base/utf8.h"

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

WideString Utf8Decode(std::string_view bytes) {
  WideString result;
  result.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char lead = bytes[i];
    if (lead < 0x80) {
      result.push_back(lead);
      i += 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      if (i + 1 >= bytes.size() || !IsContinuation(bytes[i + 1])) return {};
      result.push_back(static_cast<char16_t>(((lead & 0x1F) << 6) | (bytes[i + 1] & 0x3F)));
      i += 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      if (i + 2 >= bytes.size() || !IsContinuation(bytes[i + 1]) || !IsContinuation(bytes[i + 2]))
        return {};
      const char16_t unit = static_cast<char16_t>(
          ((lead & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) | (bytes[i + 2] & 0x3F));
      if (unit < 0x800) return {};  // overlong
      result.push_back(unit);
      i += 3;
    } else {
      return {};  // continuation byte as lead, overlong two-byte lead, or four-byte sequence
    }
  }
  return result;
}

std::string Utf8Encode(WideStringView text) {
  std::string result;
  result.reserve(text.size());
  for (char16_t unit : text) {
    if (unit < 0x80) {
      result.push_back(static_cast<char>(unit));
    } else if (unit < 0x800) {
      result.push_back(static_cast<char>(0xC0 | (unit >> 6)));
      result.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    } else {
      result.push_back(static_cast<char>(0xE0 | (unit >> 12)));
      result.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
      result.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    }
  }
  return result;
}
