#include "lint/image_check.h"

#include <algorithm>
#include <memory>
#include <set>

#include "base/errors.h"
#include "game/ability.h"
#include "game/cell_state.h"
#include "lint/scratch_objects.h"
#include "platform/png_image.h"

namespace {

// What every board paints besides its cells' own images: the cell's shape, its overlays and the
// board's edges.
constexpr const char16_t* kBoardImages[] = {u"cell",
                                            u"cell non-selectable",
                                            u"cell border",
                                            u"cell border selected",
                                            u"cell border over",
                                            u"board right",
                                            u"board bottom"};

class TImageCheck {
 public:
  TImageCheck(TLintData& data, TLintReport& report) : data_(data), report_(report) {}

  // The package image `name` (as the game names it, with "\" or "/").
  void Need(WideString name, const TLintRef& usedBy) {
    std::replace(name.begin(), name.end(), u'/', u'\\');
    if (!asked_.insert(name).second) return;
    const WideString item = u"images\\" + name + u".png";
    if (!data_.HasItem(item)) {
      report_.Add({item}, u"missing; used by " + usedBy.Text());
      return;
    }
    try {
      // Decoded here rather than through Image, whose errors repeat the item this line names.
      TPngImage().LoadFromStream(data_.Package().Data(item));
    } catch (const Exception& error) {
      report_.Add({item}, error.Message() + u" Used by " + usedBy.Text());
    }
  }

 private:
  TLintData& data_;
  TLintReport& report_;
  std::set<WideString> asked_;
};

// The image name an object draws, or nothing for a kind that draws no image of its own.
std::optional<WideString> ObjectImage(TLintData& data, const TTypeSpec& type) {
  TOwned<TSWFlower> object;
  try {
    object = MakeUnloadedObject(data, type);
  } catch (const Exception&) {
    return std::nullopt;  // what fails here fails when the object loads, which other checks see
  }
  const TSWCellState* state = As<TSWCellState>(object.get());
  if (state == nullptr) return std::nullopt;
  const std::vector<WideString>& params = type.Params;
  const bool variant = state->AcceptsVariant() && params.size() >= 2 && !params[1].empty();
  return u"objects\\" + params[0] + (variant ? u" " + params[1] : WideString());
}

}  // namespace

void CheckObjectImages(TLintData& data, const TLintUsage& usage, TLintReport& report) {
  TImageCheck images(data, report);
  for (const TLintUse& use : usage.Objects) {
    const std::optional<TTypeSpec> type = ResolveSpec(use.Name, TSWFlower::StaticClass());
    if (!type) continue;
    if (const std::optional<WideString> image = ObjectImage(data, *type))
      images.Need(*image, use.Where);
  }
}

void CheckAbilityIcons(TLintData& data, const TLintUsage& usage, TLintReport& report) {
  std::set<WideString> failures;
  for (const TLintUse& use : usage.Abilities)
    data.ForEachMap(use.Map, [&] {
      TOwned<TSWAbility> ability;
      try {
        ability = MakeAbility(&data.Config(), use.Name);
      } catch (const Exception&) {
        return;  // the line's own check reports it
      }
      for (int size : {16, 32}) {
        try {
          ability->GetGlyph(size);
        } catch (const Exception& error) {
          if (failures.insert(error.Message()).second)
            report.Add(use.Where, u"the " + IntToWide(size) + u"-pixel icon cannot be drawn: " +
                                      error.Message());
        }
      }
    });
}

void CheckCellImages(TLintData& data, const TLintUsage& usage, TLintReport& report) {
  TImageCheck images(data, report);
  for (const char16_t* image : kBoardImages) images.Need(image, {u"every board"});
  for (const TTileUse& tile : usage.Tiles)
    for (const WideString& image : tile.Images) images.Need(image, tile.Where);
}

void CheckMapPictures(TLintData& data, TLintReport& report) {
  for (const TLintSource* map : data.Maps()) {
    const WideString intro = map->Ini->ReadString(u"General", u"Intro", u"");
    const WideString picture = map->Ini->ReadString(u"General", u"BkImage", u"");
    for (const auto& [key, item] : {std::pair{u"Intro", intro}, std::pair{u"BkImage", picture}})
      if (TSWFolderPackage::LeavesFolder(item))
        report.Add({map->File, u"General", key},
                   u"\"" + item + u"\" leaves the data folder: the game does not read it");
    if (!intro.empty() && !TSWFolderPackage::LeavesFolder(intro) && !data.HasItem(intro))
      report.Add({map->File, u"General", u"Intro"},
                 u"\"" + intro + u"\" is missing: the map shows no introduction");
    if (picture.empty()) continue;
    try {
      data.Package().DecodeImage(picture);
    } catch (const Exception& error) {
      report.Add({map->File, u"General", u"BkImage"}, error.Message());
    }
  }
}
