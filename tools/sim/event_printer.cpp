#include "sim/event_printer.h"

#include "base/utf8.h"
#include "config/config_store.h"
#include "config/event_hash.h"
#include "config/event_names.h"
#include "game/flower.h"
#include "game/flower_seed.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/map_cells.h"
#include "map/map_info.h"
#include "map/sw_map.h"
#include "sim/object_text.h"

namespace {

constexpr const WideString* kGameEvents[] = {&kEventGameStart, &kEventFlowerLevelUp,
                                             &kEventFlowerGrown, &kEventFlowerDied,
                                             &kEventPathRemoved};

// The event's name without the token of the object that raised it.
WideString PlainName(const WideString& eventName) {
  return IsObjectEvent(eventName, {}) ? eventName.substr(3) : eventName;
}

WideString ObjectEventText(const WideString& name, const TSWFlower& object) {
  if (name == kEventFlowerGrown && object.Is<TSWFlower_Seed>())
    return static_cast<const TSWFlower_Seed&>(object).FlowerName() + u" at " +
           CellText(object.Slots().Cell()) + u" (" + OwnerText(object) + u")";
  WideString text = DescribeObject(object);
  if (name == kEventFlowerLevelUp) text += u" to level " + IntToWide(object.Level());
  if (name == kEventFlowerDied && !object.DeathReason().empty())
    text += u" - " + object.DeathReason();
  return text;
}

WideString ArgumentText(const WideString& name, TObject* arg, TSWConfig& config) {
  if (const TSWFlower* object = As<TSWFlower>(arg)) return ObjectEventText(name, *object);
  if (const TSWMapCellSlots* slots = As<TSWMapCellSlots>(arg)) return CellText(slots->Cell());
  if (const TSWMapCell* cell = As<TSWMapCell>(arg)) return u"empty slot at " + CellText(*cell);
  TSWMap* map = As<TSWMap>(config.Map());
  if (map != nullptr && name == kEventGameStart) return map->MapInfo().Name();
  return {};
}

}  // namespace

TSimEventPrinter::~TSimEventPrinter() {
  if (map_ != nullptr) map_->Cells().SetSlotWatcher({});
  config_.Events().ClearCallbacksOf(this);
}

void TSimEventPrinter::ListenToGame() {
  for (const WideString* name : kGameEvents) config_.Events().AddHandler(*name, Handler());
}

void TSimEventPrinter::ListenToCells(TSWMap& map) {
  map_ = &map;
  map.Cells().SetSlotWatcher(Handler());
}

void TSimEventPrinter::Print(const WideString& text) {
  out_ << "[" << config_.Ticks() << "] " << Utf8Encode(text) << "\n";
}

void TSimEventPrinter::OnEvent(TSWConfig* /*sender*/, const WideString& eventName, TObject* arg) {
  const WideString name = PlainName(eventName);
  const WideString text = ArgumentText(name, arg, config_);
  Print(text.empty() ? name : name + u": " + text);
}
