#include "ui/windows/debug_info_text.h"

#include <vector>

#include "base/format.h"
#include "containers/strings_w.h"
#include "game/game_debug_info.h"

namespace {

using TLines = std::vector<WideString>;

double Kilobytes(int64_t bytes) { return static_cast<double>(bytes) / 1024; }

// An object-scoped key starts with its object's two-character identity token, whose units are
// arbitrary codes (controls, combining marks, lone surrogates) that garble the listing and its
// copy; the token shows as "#" and the identity instead.
WideString ReadableKey(const WideString& key) {
  const bool objectScoped = key.size() > 2 && key[2] == u'=';
  if (!objectScoped) return key;
  const uint32_t identity = key[0] | static_cast<uint32_t>(key[1]) << 16;
  return u"#" + IntToWide(identity) + key.substr(2);
}

void AddHeader(TLines& lines, const TSWGameDebugInfo& info) {
  lines.push_back(Format(u"%d ticks have passed since the game beginning (%s mode).",
                         {info.Ticks, info.RealTime ? u"real-time" : u"turn"}));
  lines.push_back(
      Format(u"Memory that map cells take up: %1.1f KBytes", {Kilobytes(info.MapCellsMemory)}));
}

void AddPlayers(TLines& lines, const TStringsW& players) {
  lines.push_back(Format(u"Players (%d):", {players.Count()}));
  for (int i = 0; i < players.Count(); ++i) {
    const WideString& line = players.Strings(i);
    lines.push_back(Format(u"%d. %s (%s);", {i + 1, LineName(line), LineValue(line)}));
  }
}

// One line per item: its number from 1, its key and its count, through `itemPattern`.
void AddCountedItems(TLines& lines, const TCountedStringList& items, WideStringView itemPattern) {
  for (int i = 0; i < items.Count(); ++i)
    lines.push_back(Format(itemPattern, {i + 1, ReadableKey(items.Strings(i)), items.Counts(i)}));
}

void AddBonuses(TLines& lines, const TSWGameDebugInfo& info) {
  lines.push_back(Format(u"Bonuses (%d with %d providers in total):",
                         {info.BonusBaskets.Count(), info.BonusProviders}));
  AddCountedItems(lines, info.BonusBaskets, u"%d. %s [%d providers];");
}

void AddEvents(TLines& lines, const TSWGameDebugInfo& info) {
  lines.push_back(Format(u"Registered events (%d):", {info.EventHandlers.Count()}));
  AddCountedItems(lines, info.EventHandlers, u"%d. %s [%d handlers];");
}

void AddResources(TLines& lines, const TSWGameDebugInfo& info) {
  const TCountedStringList& resources = info.Resources;
  lines.push_back(Format(u"Number of cached resources: %d", {resources.Count()}));
  lines.push_back(Format(u"Memory they use: %1.1f KBytes", {Kilobytes(info.ResourceMemory)}));
  for (int i = 0; i < resources.Count(); ++i)
    lines.push_back(
        Format(u"%d. %s [%1.1fK];", {i + 1, resources.Strings(i), Kilobytes(resources.Counts(i))}));
}

WideString JoinLines(const TLines& lines) {
  WideString text;
  for (const WideString& line : lines) text += line + u'\n';
  return text;
}

}  // namespace

WideString DebugInfoText(const TSWGameDebugInfo& info) {
  TLines lines;
  AddHeader(lines, info);
  lines.emplace_back();
  AddPlayers(lines, info.PlayerLines);
  lines.emplace_back();
  AddBonuses(lines, info);
  lines.emplace_back();
  AddEvents(lines, info);
  lines.emplace_back();
  AddResources(lines, info);
  return Trim(JoinLines(lines));
}

WideString ClickMapSizeCaption(int width, int height, int64_t bytes) {
  return Format(u"%dx%d [%1.1fK]", {width, height, Kilobytes(bytes)});
}
