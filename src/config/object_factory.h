#pragma once
// Turns a type specification such as "seed, weed" into a registered class and its parameters,
// and reads the small value syntaxes the configurable objects share.
#include <cstdint>
#include <vector>

#include "base/tobject.h"
#include "base/wide_string.h"

// The class a specification names and its parameters, the type word first, all trimmed.
struct TTypeSpec {
  const TRegisteredClass* Class;
  std::vector<WideString> Params;
};

// The class is the base's name, "_" and the first piece of `spec` (split at ",") trimmed, in
// lower case with a capital first letter, looked up without regard to case. Fails with
// "CreateFrom(%s) was passed an empty string." (EListError) for an empty spec, and with
// "CreateFrom(%s) failed because type %s is unknown." (EComponentError) when no such class is
// registered with a factory or it does not descend from `baseClass`.
TTypeSpec CreateFrom(const WideString& spec, const TClass& baseClass);

// A whole number with an optional trailing "m" (times 60) or "h" (times 3600): "5m" is 300.
// Fails with "'%s' is not a valid integer value" (EConvertError) naming the number's text, or the
// whole text when the count does not fit in 32 bits.
int32_t ParseDuration(const WideString& text);

// Trims each text (characters of code 32 or below at both ends).
void TrimAll(std::vector<WideString>& texts);
