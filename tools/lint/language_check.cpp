#include "lint/language_check.h"

#include <optional>
#include <set>

#include "config/no_value.h"
#include "game/ability.h"
#include "game/flower.h"

namespace {

// The Name of what the specification makes (its first piece, trimmed), when its kind resolves.
std::optional<WideString> NameOf(const WideString& spec, const TClass& base) {
  const std::optional<TTypeSpec> type = ResolveSpec(spec, base);
  if (!type) return std::nullopt;
  return type->Params[0];
}

class TLanguageCheck {
 public:
  TLanguageCheck(TSWConfig& config, TLintReport& report) : config_(config), report_(report) {}

  void Need(const WideString& key, const TLintRef& usedBy) {
    if (!asked_.insert(key).second) return;
    if (config_.LangStrings().ReadString(u"Strings", key, NoValue) == NoValue)
      report_.Add({u"lang.ini", u"Strings", key}, u"missing; used by " + usedBy.Text());
  }

 private:
  TSWConfig& config_;
  TLintReport& report_;
  std::set<WideString> asked_;
};

}  // namespace

void CheckLanguage(TLintData& data, const TLintUsage& usage, TLintReport& report) {
  TLanguageCheck language(data.Config(), report);
  for (const TLintUse& use : usage.Objects)
    if (std::optional<WideString> name = NameOf(use.Name, TSWFlower::StaticClass()))
      language.Need(u"flower: " + *name, use.Where);
  for (const TLintUse& use : usage.Abilities)
    if (std::optional<WideString> name = NameOf(use.Name, TSWAbility::StaticClass()))
      language.Need(u"ability: " + *name, use.Where);
  // An empty tile's cell has no terrain to name; the row check reports the tile.
  for (const TTileUse& tile : usage.Tiles)
    if (!tile.Terrain.empty()) language.Need(u"cell: " + tile.Terrain, tile.Where);
  for (const TLintUse& player : usage.Players)
    language.Need(u"player: " + player.Name, player.Where);
}
