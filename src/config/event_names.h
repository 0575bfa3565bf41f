#pragma once
// The name of every event the engine raises, so raisers and subscribers cannot drift apart.
// WideString rather than a view: the registry takes const WideString&, and a shared constant
// spares each raise (once per period for "tick", twice per cell paint) building a temporary.
#include "base/wide_string.h"

// Global events, raised through the store's registry.
// The game, when a game has started: no argument. Raised by TSWGame.
inline const WideString kEventGameStart = u"game start";
// The game, once per period right after the tick counter grew: no argument. Raised by TSWGame.
inline const WideString kEventTick = u"tick";
// A seed that grows into its flower: the seed. Raised by TSWFlower_Seed.
inline const WideString kEventFlowerGrown = u"flower grown";
// A flower whose level rose: the flower. Raised by TSWFlower.
inline const WideString kEventFlowerLevelUp = u"flower level up";
// A flower that dies: the flower. Raised by TSWFlower.
inline const WideString kEventFlowerDied = u"flower died";
// The remove-path ability, before the path goes: the cell's slots. Raised by TSWAbility_RemovePath.
inline const WideString kEventPathRemoved = u"path removed";

// Object events of an ability instance.
// An ability when firing starts (a handler vetoes by failing): the ability. Raised by TSWAbility.
inline const WideString kEventFire = u"fire";
// An ability stopped without recharge: the ability. Raised by TSWAbility.
inline const WideString kEventCancel = u"cancel";
// An ability whose action ended: the ability. Raised by TSWAbility.
inline const WideString kEventEnd = u"end";

// Object event of every game object.
// A game object, first step of its destruction: the object. Raised by TSWObject.
inline const WideString kEventFree = u"free";

// Object events of a map cell.
// A cell's slots after an object was added: the added object. Raised by TSWMapCellSlots.
inline const WideString kEventSlotAdd = u"slot add";
// A cell's slots for each object removed, before it goes: the object. Raised by TSWMapCellSlots.
inline const WideString kEventSlotDelete = u"slot delete";
// A flower whose level rose, right after "flower level up": the flower. Raised by TSWFlower.
inline const WideString kEventSlotLevelUp = u"slot level up";
// A cell before it draws itself: the cell. Raised by TSWMapCell.
inline const WideString kEventBeforePaint = u"before paint";
// A cell after it drew itself: the cell. Raised by TSWMapCell.
inline const WideString kEventAfterPaint = u"after paint";
