#include "base/var_rec.h"

#include "base/errors.h"
#include "base/utf8.h"

TVarRec TVarRec::ShortString(std::string value) {
  TVarRec result(vtString);
  result.narrow_ = std::move(value);
  return result;
}

TVarRec TVarRec::Currency(double value) {
  TVarRec result(vtCurrency);
  result.float_ = value;
  return result;
}

TVarRec TVarRec::OfKind(TVarKind kind) { return TVarRec(kind); }

bool TVarRec::IsText() const {
  switch (kind_) {
    case vtChar:
    case vtString:
    case vtPChar:
    case vtAnsiString:
    case vtWideChar:
    case vtPWideChar:
    case vtWideString:
      return true;
    default:
      return false;
  }
}

WideString TVarRec::AsText() const {
  switch (kind_) {
    case vtChar:
    case vtString:
    case vtPChar:
    case vtAnsiString:
      return Utf8Decode(narrow_);
    default:
      return wide_;
  }
}

WideString VarRecToStr(const TVarRec& value) {
  // Format takes a narrow-character pointer as text; file and key lists do not.
  if (!value.IsText() || value.Kind() == vtPChar)
    Raise<EInvalidOperation>(u"Couldn't convert VarRec of type %d to string.", {int(value.Kind())});
  return value.AsText();
}
