#include "config/event_subscriptions.h"

SW_CLASS_DEFINE(TEventHashItem, TObject)
SW_CLASS_DEFINE(TEventSubscriptions, TObject)
