#include "base/utf8.h"

#include <cstdio>

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes the sequence at `i` into `unit`; its length, or 0 when it is malformed.
size_t DecodeSequence(std::string_view bytes, size_t i, char16_t& unit) {
  const unsigned char lead = bytes[i];
  if (lead < 0x80) {
    unit = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    if (i + 1 >= bytes.size() || !IsContinuation(bytes[i + 1])) return 0;
    unit = static_cast<char16_t>(((lead & 0x1F) << 6) | (bytes[i + 1] & 0x3F));
    return 2;
  }
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (i + 2 >= bytes.size() || !IsContinuation(bytes[i + 1]) || !IsContinuation(bytes[i + 2]))
      return 0;
    unit = static_cast<char16_t>(((lead & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) |
                                 (bytes[i + 2] & 0x3F));
    return unit < 0x800 ? 0 : 3;  // overlong
  }
  return 0;  // continuation byte as lead, overlong two-byte lead, or four-byte sequence
}

WideString HexByte(unsigned char byte, const char* pattern) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, pattern, byte);
  return WideFromAscii(buffer);
}

}  // namespace

WideString Utf8Decode(std::string_view bytes) {
  WideString result;
  result.reserve(bytes.size());
  char16_t unit = 0;
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = DecodeSequence(bytes, i, unit);
    if (length == 0) return {};
    result.push_back(unit);
    i += length;
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

std::optional<TUtf8Fault> FindUtf8Fault(std::string_view bytes) {
  int line = 1;
  char16_t unit = 0;
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = DecodeSequence(bytes, i, unit);
    if (length == 0) return TUtf8Fault{static_cast<unsigned char>(bytes[i]), line};
    // CR LF counts once: the CR ends the line unless an LF follows and does.
    if (unit == u'\n' || (unit == u'\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++line;
    i += length;
  }
  return std::nullopt;
}

WideString Utf8FaultText(const TUtf8Fault& fault) {
  return u"byte " + HexByte(fault.Byte, "%02X") + u" at line " + IntToWide(fault.Line);
}

WideString EscapedText(std::string_view bytes) {
  WideString result;
  char16_t unit = 0;
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = DecodeSequence(bytes, i, unit);
    if (length == 0 || unit < 0x20 || unit == 0x7F) {
      result += HexByte(static_cast<unsigned char>(bytes[i]), "\\x%02X");
      ++i;
    } else {
      result.push_back(unit);
      i += length;
    }
  }
  return result;
}
