#include "map/basic_map.h"

#include <optional>

#include "base/errors.h"
#include "base/int_parse.h"
#include "config/config_store.h"
#include "config/package.h"
#include "containers/mem_ini_file_w.h"
#include "containers/string_list_w.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "map/map_cells.h"
#include "map/map_file_place.h"
#include "map/map_info.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/png_image.h"

SW_CLASS_DEFINE(TSWBasicMap, TComponent)

namespace {

struct TObjectLine {
  int X;
  int Y;
  WideString Spec;
};

// Splits "X:Y=spec". Without a ":" the X text is empty and the Y text the whole coordinates
// part; without a "=" the coordinates part is empty.
TObjectLine ParseObjectLine(const WideString& line) {
  const size_t equals = line.find(u'=');
  const WideStringView coords =
      equals == WideString::npos ? WideStringView() : WideStringView(line).substr(0, equals);
  const size_t colon = FindUnescaped(coords, u':');
  const WideStringView xText =
      colon == WideStringView::npos ? WideStringView() : coords.substr(0, colon);
  const WideStringView yText = colon == WideStringView::npos ? coords : coords.substr(colon + 1);
  const std::optional<int32_t> x = TryStrToInt(xText);
  const std::optional<int32_t> y = TryStrToInt(yText);
  if (!x || !y)
    Raise<EConvertError>(
        u"LoadPlayerObjects failed because coordinates format of line \"%s\" was wrong - "
        u"\"X:Y\" expected, \"%s\" got.",
        {line, coords});
  return {*x, *y, line.substr(equals + 1)};
}

}  // namespace

TSWBasicMap::TSWBasicMap(TComponent* owner)
    : TComponent(owner),
      mapInfo_(std::make_unique<TSWMapInfo>()),
      cells_(std::make_unique<TSWMapCells>(this)) {}

// Objects that go with the cells ask for repaints; nobody is left to show them.
TSWBasicMap::~TSWBasicMap() { host_ = nullptr; }

void TSWBasicMap::Loaded() {
  TComponent::Loaded();
  GeometryChanged();
}

void TSWBasicMap::SetHost(TSWMapHost* host) {
  host_ = host;
  ApplyAutoSize();
}

void TSWBasicMap::SetConfig(TSWConfig* config) {
  config_ = config;
  mapInfo_->SetPackage(config != nullptr ? config->Package() : nullptr);
  FreeNotification(config);
}

void TSWBasicMap::ComponentFreed(TComponent* component) {
  if (component == config_) SetConfig(nullptr);
}

void TSWBasicMap::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  ApplyAutoSize();
}

void TSWBasicMap::ApplyAutoSize() {
  if (autoSize_ && host_ != nullptr) host_->SetControlSize(clickMap_.Width(), clickMap_.Height());
}

int TSWBasicMap::CellsX() const { return cells_->CellsX(); }
int TSWBasicMap::CellsY() const { return cells_->CellsY(); }
int TSWBasicMap::CellWidth() const { return cells_->CellWidth(); }
int TSWBasicMap::CellHeight() const { return cells_->CellHeight(); }
int TSWBasicMap::CellSpacingX() const { return cells_->CellSpacingX(); }
int TSWBasicMap::CellSpacingY() const { return cells_->CellSpacingY(); }
int TSWBasicMap::MarginX() const { return cells_->MarginX(); }
int TSWBasicMap::MarginY() const { return cells_->MarginY(); }

void TSWBasicMap::SetCellsX(int cellsX) {
  TSWMapCells::CheckSide(cellsX, u"width");
  CellsReplacing();
  cells_->SetCellsX(cellsX);
  GeometryChanged();
}

void TSWBasicMap::SetCellsY(int cellsY) {
  TSWMapCells::CheckSide(cellsY, u"height");
  CellsReplacing();
  cells_->SetCellsY(cellsY);
  GeometryChanged();
}

void TSWBasicMap::SetCellWidth(int value) {
  cells_->SetCellWidth(value);
  GeometryChanged();
}

void TSWBasicMap::SetCellHeight(int value) {
  cells_->SetCellHeight(value);
  GeometryChanged();
}

void TSWBasicMap::SetCellSpacingX(int value) {
  cells_->SetCellSpacingX(value);
  GeometryChanged();
}

void TSWBasicMap::SetCellSpacingY(int value) {
  cells_->SetCellSpacingY(value);
  GeometryChanged();
}

void TSWBasicMap::SetMarginX(int value) {
  cells_->SetMarginX(value);
  GeometryChanged();
}

void TSWBasicMap::SetMarginY(int value) {
  cells_->SetMarginY(value);
  GeometryChanged();
}

void TSWBasicMap::SetGeometry(const TSWMapGeometry& geometry) {
  cells_->SetCellWidth(geometry.CellWidth);
  cells_->SetCellHeight(geometry.CellHeight);
  cells_->SetCellSpacingX(geometry.CellSpacingX);
  cells_->SetCellSpacingY(geometry.CellSpacingY);
  cells_->SetMarginX(geometry.MarginX);
  cells_->SetMarginY(geometry.MarginY);
  GeometryChanged();
}

// There is no form designer here, so only loading holds the layout back.
void TSWBasicMap::GeometryChanged() {
  if (Loading()) return;
  RebuildClickMap();
  Changed();
  Invalidate();
}

TSWMapCell& TSWBasicMap::Cell(int x, int y) const { return cells_->Cell(x, y); }

bool TSWBasicMap::IsOutside(int x, int y) const { return !cells_->Contains(x, y); }

TSWMapCell* TSWBasicMap::CellAtPixel(int x, int y) const {
  return cells_->CellByColor(clickMap_.Pixel(x, y));
}

bool TSWBasicMap::IsOutsideBoard(int x, int y) const {
  const TSWMapCell* cell = CellAtPixel(x, y);
  if (cell == nullptr) return true;
  const TPoint p = cell->Position();
  return x < p.X || x >= p.X + CellWidth() + 2 * CellSpacingX() || y <= MarginY() ||
         y >= clickMap_.Height() - MarginY();
}

bool TSWBasicMap::IsCellNonSelectable(const TSWMapCell& /*cell*/) const { return false; }

TRect TSWBasicMap::CellRepaintRect(int x, int y) const {
  const TPoint p = cells_->CellPosition(x, y);
  const int rowPitch = CellHeight() + CellSpacingY();
  TRect area{p.X, p.Y - 2 * rowPitch, p.X + CellWidth() + 2 * CellSpacingX(), p.Y + 2 * rowPitch};
  if (x == CellsX() - 1) area.Right = clickMap_.Width();
  if (y == CellsY() - 1) area.Bottom = clickMap_.Height();
  return TRect::Intersection(area, clickMap_.BoundsRect());
}

void TSWBasicMap::PaintCellAt(int x, int y) {
  if (host_ != nullptr) host_->InvalidateRect(CellRepaintRect(x, y));
}

void TSWBasicMap::Invalidate() {
  if (host_ != nullptr) host_->InvalidateAll();
}

void TSWBasicMap::Paint(TCanvas& canvas) {
  const std::lock_guard<std::mutex> lock(paintLock_);
  PaintRect(canvas, canvas.ClipRect());
}

void TSWBasicMap::PaintRect(TCanvas& canvas, const TRect& rect) {
  const TSWMapCell* first = CellAtPixel(rect.Left, rect.Top);
  if (first == nullptr) return;
  const int column = first->X();
  int row = first->Y();
  do {
    const int bottomLine = cells_->CellPosition(column, row).Y + CellHeight() - 1;
    const TSWMapCell* last = CellAtPixel(rect.Right, bottomLine);
    const int lastColumn = last != nullptr ? last->X() : CellsX() - 1;
    for (int x = column; x <= lastColumn; ++x) Cell(x, row).Render(canvas);
    ++row;
  } while (!IsOutside(column, row) && cells_->CellPosition(column, row).Y <= rect.Bottom);
}

void TSWBasicMap::RebuildClickMap() {
  clickMap_.Layout({cells_->Geometry(), CellsX(), CellsY(), cells_->DebugColors()}, CellShape());
  ApplyAutoSize();
}

const TPngImage* TSWBasicMap::CellShape() const {
  if (config_ == nullptr || config_->Package() == nullptr) return nullptr;
  return &config_->Package()->Image(u"cell");
}

void TSWBasicMap::SaveClickMap(TStream& stream) {
  const auto restoreNormalColors = [this] {
    cells_->SetDebugColors(false);
    RebuildClickMap();
  };
  cells_->SetDebugColors(true);
  try {
    RebuildClickMap();
    TBitmap32 picture;
    clickMap_.PaintTo(picture);
    picture.SaveToStream(stream);
  } catch (...) {
    restoreNormalColors();
    throw;
  }
  restoreNormalColors();
}

size_t TSWBasicMap::MemorySize() const { return cells_->MemorySize(); }

WideString TSWBasicMap::MapFileName(const TMemIniFileW& ini) const {
  const TSWPackage* package = config_ != nullptr ? config_->Package() : nullptr;
  return package != nullptr ? package->IniItemName(ini) : WideString();
}

void TSWBasicMap::LoadFrom(TMemIniFileW& ini) {
  mapIni_ = &ini;
  if (config_ != nullptr) config_->SetLoadedMapFile(&ini);
  const WideString file = MapFileName(ini);
  // Of the map information only the picture can fail.
  AtMapFilePlace(file, u"General", u"BkImage", [&] { mapInfo_->LoadFrom(ini); });
  const int width = ini.ReadInteger(u"General", u"Width", 10);
  const int height = ini.ReadInteger(u"General", u"Height", 10);
  // Both before either is applied, so a bad height leaves the grid as it was.
  AtMapFilePlace(file, u"General", u"Width", [&] { TSWMapCells::CheckSide(width, u"width"); });
  AtMapFilePlace(file, u"General", u"Height", [&] { TSWMapCells::CheckSide(height, u"height"); });
  // The tiles replace every cell, even when the size stays.
  CellsReplacing();
  SetCellsX(width);
  SetCellsY(height);
  cells_->LoadFrom(ini, u"Tiles", file);
  LoadPlayerObjects(ini, u"Objects of ");
}

void TSWBasicMap::LoadPlayerObjects(TMemIniFileW& ini, WideStringView prefix) {
  const WideString file = MapFileName(ini);
  TStringListW players;
  ini.ReadSectionsContaining(prefix, players, true);
  for (int i = 0; i < players.Count(); ++i) {
    const WideString section = WideString(prefix) + players.Strings(i);
    TStringListW lines;
    ini.ReadSectionValues(section, lines);
    TObject* player = config_ != nullptr ? config_->Players().Find(players.Strings(i)) : nullptr;
    for (int j = 0; j < lines.Count(); ++j) {
      const WideString& line = lines.Strings(j);
      AtMapFilePlace(file, section, line.substr(0, line.find(u'=')),
                     [&] { AddPlayerObject(line, player); });
    }
  }
}

void TSWBasicMap::AddPlayerObject(const WideString& line, TObject* player) {
  const TObjectLine object = ParseObjectLine(line);
  if (IsOutside(object.X, object.Y))
    Raise<EInvalidArgument>(
        u"LoadPlayerObjects failed because line \"%s\" places an object outside the %d x %d grid.",
        {line, CellsX(), CellsY()});
  Cell(object.X, object.Y).Slots().Add(object.Spec, player);
}
