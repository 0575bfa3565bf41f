#include "config/object_factory.h"

#include <limits>

#include "base/errors.h"
#include "base/int_parse.h"
#include "base/upper_case.h"
#include "containers/explode.h"

namespace {

// "rEMOVEpath" gives "Removepath".
WideString Capitalized(WideStringView word) {
  WideString result = WideLowerCase(word);
  if (!result.empty()) result[0] = UpCaseUnit(result[0]);
  return result;
}

}  // namespace

TTypeSpec CreateFrom(const WideString& spec, const TClass& baseClass) {
  if (spec.empty()) Raise<EListError>(u"CreateFrom(%s) was passed an empty string.", {spec});
  std::vector<WideString> pieces = Explode(u",", spec);
  const WideString className =
      WideString(baseClass.Name).append(u"_").append(Capitalized(Trim(pieces[0])));
  const TRegisteredClass* found = FindRegisteredClass(className);
  if (found == nullptr || found->Factory == nullptr || !found->Class->InheritsFrom(baseClass))
    Raise<EComponentError>(u"CreateFrom(%s) failed because type %s is unknown.", {spec, pieces[0]});
  TrimAll(pieces);
  return {found, std::move(pieces)};
}

int32_t ParseDuration(const WideString& text) {
  int64_t factor = 1;
  WideStringView number = text;
  if (!number.empty() && number.back() == u'h') factor = 3600;
  if (!number.empty() && number.back() == u'm') factor = 60;
  if (factor != 1) number.remove_suffix(1);
  const int64_t count = int64_t{StrToInt(number)} * factor;
  if (count < std::numeric_limits<int32_t>::min() || count > std::numeric_limits<int32_t>::max())
    Raise<EConvertError>(u"'%s' is not a valid integer value", {text});
  return static_cast<int32_t>(count);
}

void TrimAll(std::vector<WideString>& texts) {
  for (WideString& text : texts) text = Trim(text);
}
