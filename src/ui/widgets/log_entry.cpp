#include "ui/widgets/log_entry.h"

#include "base/errors.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "game/flower_seed.h"
#include "map/map_cell_slots.h"

namespace {

constexpr TColor kGrownColor = RgbColor(0, 128, 0);  // green
constexpr TColor kDiedColor = RgbColor(128, 0, 0);   // maroon

template <class T>
T& Subject(TObject* arg, const WideString& eventName) {
  if (T* subject = As<T>(arg)) return *subject;
  Raise<EInvalidArgument>(u"TSWLogBox.EventHandler expected a %s with %s.",
                          {WideString(T::StaticClass().Name), eventName});
}

// The seed names the flower it has grown into.
WideString GrownText(const WideString& pattern, const TSWFlower_Seed& seed) {
  return Format(pattern, {seed.GetCaption(seed.FlowerName())});
}

// Levels count from 0 in the game and from 1 for the player; the level has already risen.
WideString LevelUpText(const WideString& pattern, const TSWFlower& flower) {
  return Format(pattern, {flower.GetCaption(), flower.Level() + 1});
}

// A death reason is itself the name of a language string, told after the death notice.
WideString DiedText(const TSWConfig& config, const WideString& pattern, const WideString& eventName,
                    const TSWFlower& flower) {
  if (flower.DeathReason().empty()) return Format(pattern, {flower.GetCaption()});
  return config.LangFmt(u"event: " + eventName + u" (reason)",
                        {flower.GetCaption(), config.Lang(flower.DeathReason())});
}

bool IsLogged(const WideString& eventName) {
  for (const WideString* logged : LoggedEvents())
    if (*logged == eventName) return true;
  return false;
}

}  // namespace

const std::array<const WideString*, 5>& LoggedEvents() {
  static const std::array<const WideString*, 5> events = {&kEventGameStart, &kEventFlowerLevelUp,
                                                          &kEventFlowerGrown, &kEventFlowerDied,
                                                          &kEventPathRemoved};
  return events;
}

bool IsShownTo(const TSWPlayer* viewer, const TSWFlower& flower) {
  return viewer == nullptr || flower.Player() == viewer || viewer->Insight() >= piFull;
}

std::optional<TSWLogLine> ComposeLogLine(const TSWConfig& config, const TSWPlayer* viewer,
                                         const WideString& eventName, TObject* arg,
                                         TColor textColor) {
  if (!IsLogged(eventName))
    Raise<EInvalidArgument>(u"TSWLogBox.EventHandler didn't know how to handle %s.", {eventName});
  const WideString pattern = config.Lang(u"event: " + eventName);
  TSWLogLine line{pattern, {nullptr, u"events\\" + eventName, textColor, TSWLogStyle::Regular}};
  if (eventName == kEventGameStart) {
    line.Item.Style = TSWLogStyle::Bold;
    return line;
  }
  if (eventName == kEventPathRemoved) return line;

  // The flower events; "flower grown" comes with the seed that has grown.
  const TSWFlower& flower = eventName == kEventFlowerGrown ? Subject<TSWFlower_Seed>(arg, eventName)
                                                           : Subject<TSWFlower>(arg, eventName);
  if (!IsShownTo(viewer, flower)) return std::nullopt;
  line.Item.Cell = &flower.Slots().Cell();
  if (eventName == kEventFlowerGrown) {
    line.Text = GrownText(pattern, static_cast<const TSWFlower_Seed&>(flower));
    line.Item.Color = kGrownColor;
  } else if (eventName == kEventFlowerLevelUp) {
    line.Text = LevelUpText(pattern, flower);
  } else {
    line.Text = DiedText(config, pattern, eventName, flower);
    line.Item.Color = kDiedColor;
  }
  return line;
}
