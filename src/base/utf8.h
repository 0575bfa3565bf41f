#pragma once
// The UTF-8 codec of data files: sequences of up to three bytes, nothing longer.
#include <optional>
#include <string>
#include <string_view>

#include "base/wide_string.h"

// Decodes UTF-8 into UTF-16. Any malformed sequence (a bad lead byte, a missing continuation
// byte, an overlong form or a four-byte sequence) makes the whole result empty.
// A byte-order mark is kept as U+FEFF.
WideString Utf8Decode(std::string_view bytes);

// Encodes every UTF-16 code unit on its own in one to three bytes, so that whatever the
// decoder above reads back is exactly what was written.
std::string Utf8Encode(WideStringView text);

// The UTF-8 byte-order mark, EF BB BF.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Where Utf8Decode gives up on a text.
struct TUtf8Fault {
  unsigned char Byte = 0;  // the first byte of the sequence that does not decode
  int Line = 1;            // its line, counted from 1; CR, LF and CR LF each end a line
};

// The first malformed sequence of `bytes`, or nothing when they decode.
std::optional<TUtf8Fault> FindUtf8Fault(std::string_view bytes);
// "byte E9 at line 12".
WideString Utf8FaultText(const TUtf8Fault& fault);

// The bytes as text for a message: what decodes stays, every other byte and every control
// character becomes "\xNN", so no raw byte reaches a message and nothing is lost from it.
WideString EscapedText(std::string_view bytes);
