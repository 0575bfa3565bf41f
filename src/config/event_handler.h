#pragma once
// An event handler receives the store that raised the event, the key exactly as raised and the
// event's one argument. It keeps its target as a game object, so that the registry can find and
// drop everything bound to an object that goes.
#include "base/bound_method.h"
#include "base/tobject.h"
#include "base/wide_string.h"

class TSWConfig;

using TSWEventHandler =
    TBoundMethod<void(TSWConfig* sender, const WideString& eventName, TObject* arg), TObject>;
