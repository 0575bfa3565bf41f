#include "sim/action_runner.h"

#include <limits>
#include <optional>

#include "base/utf8.h"
#include "game/ability.h"
#include "game/ability_link.h"
#include "game/ability_list.h"
#include "game/flower.h"
#include "game/game_session.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/map_cells.h"
#include "sim/event_printer.h"
#include "sim/object_text.h"

namespace {

WideString CoordsText(const TSimAction& action) {
  return IntToWide(action.X) + u":" + IntToWide(action.Y);
}

// A pixel that a click on `cell` would land on: of the cell's hit band, the one nearest its
// middle that the click map gives to the cell and that lies on the board. Nothing when the
// cell's shape leaves it no such pixel.
std::optional<TPoint> ClickPixelOf(const TSWMapCell& cell) {
  const TSWMapCells& cells = cell.Cells();
  const TSWBasicMap& map = *cells.Map();
  const TPoint origin = cell.Position();
  const TRect band =
      Bounds(origin.X, origin.Y, cells.CellWidth() + 2 * cells.CellSpacingX(), cells.CellHeight());
  const TPoint middle{(band.Left + band.Right) / 2, (band.Top + band.Bottom) / 2};
  std::optional<TPoint> best;
  int64_t bestDistance = std::numeric_limits<int64_t>::max();
  for (int y = band.Top; y < band.Bottom; ++y)
    for (int x = band.Left; x < band.Right; ++x) {
      if (map.CellAtPixel(x, y) != &cell || map.IsOutsideBoard(x, y)) continue;
      const int64_t distance =
          int64_t{x - middle.X} * (x - middle.X) + int64_t{y - middle.Y} * (y - middle.Y);
      if (distance < bestDistance) {
        bestDistance = distance;
        best = TPoint{x, y};
      }
    }
  return best;
}

}  // namespace

void TSimActionRunner::CheckCells(const std::vector<TSimAction>& actions) const {
  const TSWMapCells& cells = game_.Map().Cells();
  for (const TSimAction& action : actions) {
    if (action.NamesCell() && !cells.Contains(action.X, action.Y))
      throw ESimScriptError(EscapedText(action.Where() + ": ") + CoordsText(action) +
                            u" is outside the " + IntToWide(cells.CellsX()) + u" x " +
                            IntToWide(cells.CellsY()) + u" map.");
  }
}

void TSimActionRunner::Run(const TSimAction& action) {
  printer_.Print(u"> " + Utf8Decode(action.Text()));
  try {
    Take(action);
  } catch (const Exception& error) {
    printer_.Print(u"error: " + error.Message());
  }
}

void TSimActionRunner::Take(const TSimAction& action) {
  switch (action.Kind) {
    case TSimActionKind::Fire:
      return Fire(action);
    case TSimActionKind::Pick:
      return Pick(action);
    case TSimActionKind::Cancel:
      return Cancel(action);
    case TSimActionKind::Pause:
      return game_.Game().SetPaused(true);
    case TSimActionKind::Resume:
      return game_.Game().SetPaused(false);
  }
}

void TSimActionRunner::Fire(const TSimAction& action) {
  TSWFlower& object = ActingObject(action);
  TSWAbilityLink& link = Link(object, action.Ability.value_or(0));
  printer_.Print(u"fire: " + link.Name() + u" of " + DescribeObject(object));
  link.Fire();
}

void TSimActionRunner::Pick(const TSimAction& action) {
  TSWMap& map = game_.Map();
  if (!map.Selecting()) Raise<EInvalidOperation>(u"no ability is waiting for a cell to be picked");
  const TSWMapCell& cell = map.Cell(action.X, action.Y);
  if (map.IsCellNonSelectable(cell))
    Raise<EInvalidOperation>(u"%s cannot be picked", {CoordsText(action)});
  const std::optional<TPoint> pixel = ClickPixelOf(cell);
  if (!pixel)
    Raise<EInvalidOperation>(u"no pixel of the board belongs to %s", {CoordsText(action)});
  map.MouseUp(TMouseButton::Left, pixel->X, pixel->Y, 0);
}

void TSimActionRunner::Cancel(const TSimAction& action) {
  TSWFlower& object = ActingObject(action);
  TSWAbilityLink& link = action.Ability ? Link(object, *action.Ability) : FiringLink(object);
  if (!link.Instance().IsFiring())
    Raise<EInvalidOperation>(u"%s of %s is not firing", {link.Name(), DescribeObject(object)});
  printer_.Print(u"cancel: " + link.Name() + u" of " + DescribeObject(object));
  link.Instance().Cancel();
}

TSWFlower& TSimActionRunner::ActingObject(const TSimAction& action) const {
  const TSWMapCellSlots& slots = game_.Map().Cell(action.X, action.Y).Slots();
  if (TSWFlower* flower = slots.Find(u"flower")) return *flower;
  if (TSWFlower* weed = slots.Find(u"weed")) return *weed;
  Raise<EInvalidArgument>(u"no flower or weed at %s", {CoordsText(action)});
}

TSWAbilityLink& TSimActionRunner::Link(TSWFlower& object, int index) const {
  const TSWAbilityList& abilities = object.Abilities();
  if (index >= abilities.Count())
    Raise<EInvalidArgument>(u"%s has no ability %d (it has %d)",
                            {DescribeObject(object), index, abilities.Count()});
  return *abilities.Links(index);
}

TSWAbilityLink& TSimActionRunner::FiringLink(TSWFlower& object) const {
  const TSWAbilityList& abilities = object.Abilities();
  for (int i = 0; i < abilities.Count(); ++i)
    if (abilities.Links(i)->Instance().IsFiring()) return *abilities.Links(i);
  Raise<EInvalidOperation>(u"no ability of %s is firing", {DescribeObject(object)});
}
