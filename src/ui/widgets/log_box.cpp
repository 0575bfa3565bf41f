#include "ui/widgets/log_box.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <vector>

#include "base/errors.h"
#include "base/object_release.h"
#include "config/config_store.h"
#include "config/event_names.h"
#include "config/package.h"
#include "game/game.h"
#include "game/player.h"
#include "map/map_cells.h"
#include "map/sw_map.h"
#include "ui/platform/qt_geometry.h"
#include "ui/platform/qt_image_cache.h"
#include "ui/platform/qt_text.h"
#include "ui/widgets/log_entry.h"
#include "ui/widgets/log_line_layout.h"

namespace {

// A visible line's data: the position of its record.
constexpr int kPositionRole = Qt::UserRole;

int64_t PositionOf(const QListWidgetItem& line) { return line.data(kPositionRole).toLongLong(); }

TColor ToTColor(const QColor& color) { return RgbColor(color.red(), color.green(), color.blue()); }

// Whether the board still holds the cell; the pointer is only compared, never followed.
bool HoldsCell(const TSWMapCells& cells, const TSWMapCell* cell) {
  for (int y = 0; y < cells.CellsY(); ++y)
    for (int x = 0; x < cells.CellsX(); ++x)
      if (&cells.Cell(x, y) == cell) return true;
  return false;
}

}  // namespace

class TSWLogBox::TWatch : public TComponent {
 public:
  explicit TWatch(TSWLogBox& log) : log_(log) {}

  void OnEvent(TSWConfig* /*sender*/, const WideString& eventName, TObject* arg) {
    log_.EventHandler(eventName, arg);
  }

 protected:
  void ComponentFreed(TComponent* component) override { log_.Forget(component); }

 private:
  TSWLogBox& log_;
};

class TSWLogBox::TItemDrawer : public QAbstractItemDelegate {
 public:
  explicit TItemDrawer(TSWLogBox& log) : QAbstractItemDelegate(&log), log_(log) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    log_.DrawItem(*painter, index.row(), option.rect, option.state & QStyle::State_Selected);
  }
  // The view stretches every line across its width; only the height is the line's own.
  QSize sizeHint(const QStyleOptionViewItem& /*option*/,
                 const QModelIndex& /*index*/) const override {
    return {kLogIconStrip, kLogItemHeight};
  }

 private:
  TSWLogBox& log_;
};

TSWLogBox::TSWLogBox(QWidget* parent)
    : QListWidget(parent), watch_(std::make_unique<TWatch>(*this)) {
  setItemDelegate(new TItemDrawer(*this));
  setUniformItemSizes(true);
  setEditTriggers(NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The face colour behind the lines.
  QPalette face = palette();
  face.setColor(QPalette::Base, face.color(QPalette::Button));
  setPalette(face);
  fontColor_ = ToTColor(palette().color(QPalette::Text));
}

TSWLogBox::~TSWLogBox() {
  RunDeferringErrors([this] { Unsubscribe(); });
}

void TSWLogBox::SetGame(TSWGame* game) {
  Unsubscribe();
  if (game != game_) ForgetCells();
  game_ = game;
  watch_->FreeNotification(game);
  Subscribe();
}

void TSWLogBox::SetPlayer(TSWPlayer* player) {
  player_ = player;
  watch_->FreeNotification(player);
}

void TSWLogBox::Loaded() { Subscribe(); }

void TSWLogBox::Subscribe() {
  if (game_ == nullptr || game_->Config() == nullptr) return;
  if (config_ != game_->Config()) Unsubscribe();
  config_ = game_->Config();
  watch_->FreeNotification(config_);
  for (const WideString* eventName : LoggedEvents())
    config_->Events().AddHandler(*eventName, TSWEventHandler::Of<&TWatch::OnEvent>(watch_.get()));
}

void TSWLogBox::Unsubscribe() {
  if (config_ == nullptr) return;
  config_->Events().RemoveHandlersOf(watch_.get());
  config_ = nullptr;
}

void TSWLogBox::Forget(TComponent* component) {
  if (component == game_) {
    Unsubscribe();
    game_ = nullptr;
    ForgetCells();
  }
  if (component == config_) config_ = nullptr;
  if (component == player_) player_ = nullptr;
}

void TSWLogBox::ForgetCells() {
  const std::lock_guard<std::mutex> guard(lock_);
  lines_.ForgetCells();
}

void TSWLogBox::EventHandler(const WideString& eventName, TObject* arg) {
  // A game starts once its board is built, with new cells: earlier lines lead nowhere now.
  if (eventName == kEventGameStart) ForgetCells();
  const std::optional<TSWLogLine> line =
      ComposeLogLine(*config_, player_, eventName, arg, fontColor_.load());
  if (line) AddMessage(line->Text, line->Item);
}

void TSWLogBox::SetLimit(int32_t limit) {
  if (limit < 1)
    Raise<EInvalidArgument>(u"TSWLogBox.Limit must be at least 1 - but %d was given.", {limit});
  {
    const std::lock_guard<std::mutex> guard(lock_);
    limit_ = limit;
    lines_.DropToBelow(limit);
  }
  ShowLinesOnWindowThread();
}

void TSWLogBox::AddMessage(const WideString& text, const TSWLogItem& record) {
  {
    const std::lock_guard<std::mutex> guard(lock_);
    lines_.Add({text, record}, limit_);
  }
  ShowLinesOnWindowThread();
}

std::optional<TSWLogItem> TSWLogBox::RecordAt(int row) const {
  const QListWidgetItem* line = item(row);
  if (line == nullptr) return std::nullopt;
  const std::lock_guard<std::mutex> guard(lock_);
  const TSWLogLine* found = lines_.Find(PositionOf(*line));
  if (found == nullptr) return std::nullopt;
  return found->Item;
}

void TSWLogBox::ShowLinesOnWindowThread() {
  if (QThread::currentThread() == thread()) {
    ShowLines();
    return;
  }
  // Dropped by Qt when the log goes first.
  const auto showLines = [this] { ShowLines(); };
  QMetaObject::invokeMethod(this, showLines, Qt::QueuedConnection);
}

void TSWLogBox::ShowLines() {
  int64_t first;
  int64_t firstNew;
  std::vector<WideString> newTexts;
  {
    const std::lock_guard<std::mutex> guard(lock_);
    first = lines_.FirstPosition();
    firstNew = std::max(shownNext_, first);
    for (int64_t position = firstNew; position < lines_.NextPosition(); ++position)
      newTexts.push_back(lines_.Find(position)->Text);
    shownNext_ = lines_.NextPosition();
  }
  while (count() > 0 && PositionOf(*item(0)) < first) delete takeItem(0);
  int64_t position = firstNew;
  for (const WideString& text : newTexts) {
    auto* line = new QListWidgetItem(ToQString(text));
    line->setData(kPositionRole, QVariant::fromValue<qint64>(position++));
    addItem(line);
  }
  if (!newTexts.empty()) RevealNewest();
}

// Selecting the newest line scrolls it into view; then no line stays selected.
void TSWLogBox::RevealNewest() {
  QListWidgetItem* newest = item(count() - 1);
  setCurrentItem(newest);
  scrollToItem(newest);
  clearSelection();
}

void TSWLogBox::DrawItem(QPainter& painter, int row, const QRect& rect, bool selected) const {
  const std::optional<TSWLogItem> record = RecordAt(row);
  if (!record) return;
  const QBrush& brush = palette().brush(selected ? QPalette::Highlight : QPalette::Base);
  const TRect line = ToTRect(rect);
  painter.fillRect(ToQRect(LogTextArea(line)), brush);
  QFont weight = font();
  weight.setBold(record->Style == TSWLogStyle::Bold);
  painter.setFont(weight);
  painter.setPen(ToQColor(record->Color));
  painter.drawText(ToQRect(LogTextBox(line)), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   item(row)->text());
  if (game_ == nullptr) return;
  painter.fillRect(ToQRect(LogIconStrip(line)), brush);
  DrawIcon(painter, record->Icon, line);
}

void TSWLogBox::DrawIcon(QPainter& painter, const WideString& icon, const TRect& line) const {
  TSWPackage* package = game_->Package();
  if (package == nullptr) return;
  // A missing image is shown by the event loop, not thrown through Qt's painting.
  RunDeferringErrors([&] {
    const TPoint at = LogIconPosition(line);
    painter.drawImage(at.X, at.Y, TQtImageCache::Shared().Image(package->Image(icon)));
  });
}

void TSWLogBox::mouseDoubleClickEvent(QMouseEvent* event) {
  // The list's own double-click reaction (and signal) is replaced, not extended.
  event->accept();
  DblClick();
}

void TSWLogBox::DblClick() {
  const QList<QListWidgetItem*> selected = selectedItems();
  if (selected.isEmpty() || game_ == nullptr || game_->Map() == nullptr) return;
  const std::optional<TSWLogItem> record = RecordAt(row(selected.first()));
  TSWMap& map = *game_->Map();
  if (record && record->Cell && HoldsCell(map.Cells(), record->Cell)) map.SelectCell(record->Cell);
}

void TSWLogBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange)
    fontColor_ = ToTColor(palette().color(QPalette::Text));
  QListWidget::changeEvent(event);
}
