#pragma once
// Every failure is an exception carrying its exact UTF-16 message; one class per kind.
#include <exception>
#include <string>

#include "base/format.h"
#include "base/wide_string.h"

class Exception : public std::exception {
 public:
  explicit Exception(WideString message);
  const WideString& Message() const { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }
  // Puts where the failure happened before the message: "PLACE: MESSAGE". Callers that add
  // their place and rethrow keep the error's kind.
  void AddPlace(WideStringView place);

 private:
  WideString message_;
  std::string utf8_;
};

#define SW_DECLARE_ERROR(Name)    \
  class Name : public Exception { \
   public:                        \
    using Exception::Exception;   \
  }

SW_DECLARE_ERROR(EListError);
SW_DECLARE_ERROR(EStringListError);
SW_DECLARE_ERROR(EConvertError);
SW_DECLARE_ERROR(EComponentError);
SW_DECLARE_ERROR(EInvalidOperation);
SW_DECLARE_ERROR(EInvalidArgument);
SW_DECLARE_ERROR(EResNotFound);
SW_DECLARE_ERROR(EOutOfMemory);
SW_DECLARE_ERROR(EFOpenError);
SW_DECLARE_ERROR(EFCreateError);
SW_DECLARE_ERROR(EOSError);
SW_DECLARE_ERROR(EPngError);

#undef SW_DECLARE_ERROR

// Runs `action`; an error escaping it leaves with the text `place()` gives put before its
// message. The place is worked out only on failure, so hot paths pay nothing for it.
template <class Place, class Action>
decltype(auto) AtPlace(Place&& place, Action&& action) {
  try {
    return action();
  } catch (Exception& error) {
    error.AddPlace(place());
    throw;
  }
}

// Throws E with the formatted message: Raise<EListError>(u"List index out of bounds (%d)", {i}).
template <class E>
[[noreturn]] void Raise(WideStringView pattern, TVarArgs args = {}) {
  throw E(Format(pattern, args));
}
