#include "config/sw_object.h"

#include "base/errors.h"
#include "config/bonus_map.h"
#include "config/config_store.h"
#include "config/event_hash.h"
#include "config/event_names.h"

SW_CLASS_DEFINE(TSWObject, TObject)

void TSWObject::RaiseEvent(const WideString& name, TObject* arg) {
  if (TSWConfig* config = GetConfig())
    config->Events().RaiseObjectEvent(this, name, arg ? arg : this);
}

void TSWObject::Subscribe(const WideString& name, const TSWEventHandler& handler) {
  TSWConfig* config = GetConfig();
  if (config == nullptr)
    Raise<EInvalidOperation>(u"%s.Subscribe(%s) needs a configuration store.", {ClassName(), name});
  config->Events().AddObjectHandler(this, name, handler);
}

void TSWObject::BeforeDestruction() {
  TSWConfig* config = GetConfig();
  if (config == nullptr) return;
  TFirstError errors;
  errors.Run([&] { RaiseEvent(kEventFree); });
  config->Events().ClearCallbacksOf(this);
  config->Bonuses().RemoveProvider(this);
  errors.Rethrow();
}
