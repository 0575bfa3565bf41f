#include "map/map_cell.h"

#include "base/errors.h"
#include "base/upper_case.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "config/package.h"
#include "map/cell_object.h"
#include "map/interactive_map.h"
#include "map/map_cell_slots.h"
#include "map/map_cells.h"
#include "map/walk_counts.h"
#include "platform/canvas.h"

SW_CLASS_DEFINE(TSWMapCell, TSWObject)

TSWMapCell::TSWMapCell(TCreationKey, TSWMapCells* cells, int x, int y)
    : cells_(cells), x_(x), y_(y) {}

TSWMapCell::~TSWMapCell() = default;

void TSWMapCell::BeforeDestruction() {
  // Emptied rather than destroyed, so that whatever the objects' "free" handlers reach of the
  // cell is still there.
  TFirstError errors;
  if (slots_) errors.Run([&] { slots_->Clear(); });
  errors.Run([&] { TSWObject::BeforeDestruction(); });
  errors.Rethrow();
}

TSWConfig* TSWMapCell::GetConfig() const {
  const TSWBasicMap* map = cells_->Map();
  return map ? map->Config() : nullptr;
}

void TSWMapCell::RaiseEvent(const WideString& name, TObject* arg) {
  if (name == kEventSlotAdd)
    if (auto* object = As<TSWCellObject>(arg)) SlotAdded(*object);
  TSWObject::RaiseEvent(name, arg);
  const TSWEventHandler& watcher = cells_->SlotWatcher();
  if (watcher && (name == kEventSlotAdd || name == kEventSlotDelete || name == kEventSlotLevelUp))
    watcher(GetConfig(), name, arg != nullptr ? arg : this);
}

TSWMapCellSlots& TSWMapCell::Slots() const {
  if (!slots_) slots_ = std::make_unique<TSWMapCellSlots>(const_cast<TSWMapCell*>(this));
  return *slots_;
}

int TSWMapCell::SlotCount() const { return slots_ ? slots_->Count() : 0; }

void TSWMapCell::Init() { imageName_ = u"cell"; }

void TSWMapCell::SlotAdded(TSWCellObject& /*object*/) {}

void TSWMapCell::LoadFrom(const std::vector<WideString>& params) {
  if (params.empty()) Raise<EListError>(u"%s.LoadFrom() was passed empty Params.", {ClassName()});
  terrain_ = WideLowerCase(params[0]);
}

void TSWMapCell::Render(TCanvas& canvas) {
  // Restored however Render ends, so no handler outside it sees a canvas that is gone.
  struct TRenderScope {
    TCanvas*& current;
    TCanvas* const outer;
    ~TRenderScope() { current = outer; }
  } scope{renderCanvas_, renderCanvas_};
  renderCanvas_ = &canvas;
  RaiseEvent(kEventBeforePaint);
  Paint(canvas);
  RaiseEvent(kEventAfterPaint);
}

void TSWMapCell::Paint(TCanvas& canvas) {
  const TPoint p = Position();
  DrawImage(canvas, imageName_, p.X, p.Y);
  PaintOverlays(canvas);
  PaintSlots(canvas);
  if (x_ == cells_->CellsX() - 1)
    DrawImage(canvas, u"board right", p.X + cells_->CellWidth() + cells_->CellSpacingX(), p.Y - 1);
  if (y_ == cells_->CellsY() - 1)
    DrawImage(canvas, u"board bottom", p.X, p.Y + cells_->CellHeight() + cells_->CellSpacingY());
}

void TSWMapCell::PaintOverlays(TCanvas& canvas) {
  const TPoint p = Position();
  const TSWBasicMap* map = cells_->Map();
  if (map && map->IsCellNonSelectable(*this)) DrawImage(canvas, u"cell non-selectable", p.X, p.Y);
  const TSWConfig* config = GetConfig();
  if (config && config->ShowGrid()) DrawImage(canvas, u"cell border", p.X, p.Y);
  if (HasState(TSWInteractiveMap::kSelectMark))
    DrawImage(canvas, u"cell border selected", p.X, p.Y);
  if (HasState(TSWInteractiveMap::kHoverMark)) DrawImage(canvas, u"cell border over", p.X, p.Y);
}

void TSWMapCell::PaintSlots(TCanvas& canvas) {
  const TPoint p = Position();
  for (int i = 0; i < SlotCount(); ++i) slots_->SlotObject(i).Paint(canvas, p.X, p.Y);
}

void TSWMapCell::SetState(int kind, bool on) {
  const auto bit = static_cast<uint8_t>(1u << kind);
  states_ = on ? states_ | bit : states_ & ~bit;
}

TPoint TSWMapCell::Position() const { return cells_->CellPosition(x_, y_); }

uint32_t TSWMapCell::ClickColor() const { return ClickColorOf(x_, y_, cells_->DebugColors()); }

void TSWMapCell::HurtSlots(int32_t damage, const TSWCellObjectFilter& filter, int64_t hits) {
  for (int i = SlotCount() - 1; i >= 0; --i) {
    // A death may set off handlers that empty more slots than the dying one.
    if (i >= SlotCount()) continue;
    TSWCellObject& object = slots_->SlotObject(i);
    if (!filter || filter(&object)) object.TakeHits(damage, hits);
  }
}

void TSWMapCell::HurtArea(int32_t damage, int32_t radius, const TSWCellObjectFilter& filter) {
  for (const TCellWalks& cell : CountWalks(cells_->CellsX(), cells_->CellsY(), x_, y_, radius))
    cells_->Cell(cell.X, cell.Y).HurtSlots(damage, filter, cell.Walks);
}

size_t TSWMapCell::MemorySize() const {
  // Slots not made yet count as an empty container, so the figure does not depend on which
  // cells were looked at.
  return InstanceSize() + (slots_ ? slots_->MemorySize() : sizeof(TSWMapCellSlots));
}

void TSWMapCell::DrawImage(TCanvas& canvas, WideStringView name, int x, int y) const {
  canvas.DrawImage(x, y, Image(name));
}

TPngImage& TSWMapCell::Image(WideStringView name) const {
  TSWConfig* config = GetConfig();
  if (config == nullptr)
    Raise<EInvalidOperation>(u"%s cannot paint without a configuration store.", {ClassName()});
  return config->RequirePackage().Image(name);
}

TOwned<TSWMapCell> CreateMapCell(const TRegisteredClass& cellClass, TSWMapCells* cells, int x,
                                 int y) {
  const auto factory = reinterpret_cast<TSWMapCellFactory>(cellClass.Factory);
  return TOwned<TSWMapCell>(factory(cells, x, y));
}
