#include "base/errors.h"

#include "base/utf8.h"

Exception::Exception(WideString message)
    : message_(std::move(message)), utf8_(Utf8Encode(message_)) {}

void Exception::AddPlace(WideStringView place) {
  message_ = WideString(place) + u": " + message_;
  utf8_ = Utf8Encode(message_);
}
