#include "base/errors.h"

#include "base/utf8.h"

Exception::Exception(WideString message)
    : message_(std::move(message)), utf8_(Utf8Encode(message_)) {}
