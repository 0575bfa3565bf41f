#include "game/cell_state.h"

#include "base/rounding.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "config/package.h"
#include "map/basic_map.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/map_cells.h"
#include "platform/canvas.h"
#include "platform/png_image.h"

SW_CLASS_DEFINE(TSWCellState, TSWFlower)
SW_CLASS_DEFINE(TSWSlotObject, TSWCellState)

TSWCellState::TSWCellState(TCreationKey key, TSWMapCellSlots* slots, TObject* player)
    : TSWFlower(key, slots, player), affectedCells_(std::make_unique<TCoordsList>()) {}

void TSWCellState::BeforeDestruction() {
  TFirstError errors;
  errors.Run([&] { WithdrawSubscriptions(); });
  errors.Run([&] { InvalidateCells(); });
  affectedCells_.reset();
  errors.Run([&] { TSWFlower::BeforeDestruction(); });
  errors.Rethrow();
}

void TSWCellState::Init() {
  TSWFlower::Init();
  paintDX_ = 0;
  paintDY_ = 0;
  acceptsVariant_ = false;
  variant_.clear();
  CoverCells();
}

void TSWCellState::CoverCells() { CoverRegion(1, 1); }

void TSWCellState::CoverRegion(int width, int height) {
  const TSWMapCell& own = Slots().Cell();
  const TSWMapCells& grid = own.Cells();
  for (int i = 0; i <= height; ++i)
    for (int j = 1; j <= width; ++j) {
      const int x = own.X() - i;
      const int y = own.Y() - j;
      if (!grid.Contains(x, y)) continue;
      affectedCells_->Add(x, y);
      if (GetConfig() != nullptr) grid.Cell(x, y).Subscribe(kEventAfterPaint, OverlayHandler());
    }
}

void TSWCellState::InvalidateCells() {
  TSWBasicMap* map = Slots().Cell().Cells().Map();
  if (map == nullptr) return;
  for (int i = 0; i < affectedCells_->Count(); ++i) {
    const TPoint cell = affectedCells_->Coords(i);
    map->PaintCellAt(cell.X, cell.Y);
  }
}

void TSWCellState::WithdrawSubscriptions() {
  if (TSWConfig* config = GetConfig()) config->Events().RemoveHandlersOf(this);
}

void TSWCellState::OnAfterPaint(TSWConfig* /*sender*/, const WideString& /*eventName*/,
                                TObject* arg) {
  const auto* affected = As<TSWMapCell>(arg);
  TCanvas* canvas = affected ? affected->RenderCanvas() : nullptr;
  if (canvas == nullptr) return;
  const TPngImage& cellImage = RequireConfig().RequirePackage().Image(u"cell");
  const TPoint p = affected->Position();
  TSWMapCell& own = Slots().Cell();
  const TClipGuard clip(*canvas, Bounds(p.X, p.Y, cellImage.Width(), cellImage.Height()));
  if (clip.Active())
    own.PaintSlots(*canvas);
  else
    own.Render(*canvas);
}

void TSWCellState::LoadFrom(const std::vector<WideString>& params) {
  TSWFlower::LoadFrom(params);
  if (acceptsVariant_ && params.size() >= 2 && !params[1].empty()) variant_ = u" " + params[1];
}

void TSWCellState::Paint(TCanvas& canvas, int x, int y) {
  PlaceImage(canvas, ObjectImage(Name() + variant_), x + paintDX_, y + paintDY_, 0, 1);
}

const TPngImage& TSWCellState::ObjectImage(const WideString& name) const {
  return RequireConfig().RequirePackage().Image(u"objects\\" + name);
}

void TSWCellState::PlaceImage(TCanvas& canvas, const TPngImage& image, int x, int y, int index,
                              int count) const {
  const TPngImage& cell = RequireConfig().RequirePackage().Image(u"cell");
  const double freeWidth = cell.Width() - image.Width();
  const int left = RoundTiesEven(freeWidth / (count + 1) * (index + 1) + x);
  const int top = y + (cell.Height() - image.Height()) / 2;
  canvas.DrawImage(left, top, image);
}

void TSWSlotObject::Init() {
  TSWCellState::Init();
  sideBySide_ = true;
}

void TSWSlotObject::Paint(TCanvas& canvas, int x, int y) {
  const TSWMapCellSlots& slots = Slots();
  int count = 0;
  int index = 0;
  for (int i = 0; i < slots.Count(); ++i) {
    const TSWFlower& object = slots.Flowers(i);
    if (!object.SideBySide()) continue;
    if (&object == this) index = count;
    ++count;
  }
  PlaceImage(canvas, ObjectImage(Name()), x + paintDX_, y + paintDY_, index, count);
}
