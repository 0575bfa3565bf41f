#pragma once
// The UTF-8 codec of data files: sequences of up to three bytes, nothing longer.
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
