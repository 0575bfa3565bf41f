#include "ui/widgets/cell_info_panel.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>
#include <memory>
#include <utility>

#include "base/errors.h"
#include "config/config_store.h"
#include "config/event_hash.h"
#include "config/event_names.h"
#include "config/package.h"
#include "game/flower.h"
#include "map/map_cell.h"
#include "map/map_cell_slots.h"
#include "ui/platform/png_qimage.h"
#include "ui/platform/qt_text.h"
#include "ui/widgets/flower_info_panel.h"
#include "ui/widgets/label_style.h"
#include "ui/widgets/shadow_label.h"

namespace {

constexpr int kWidth = 251;
constexpr int kBevelTop = 16;
constexpr int kBevelHeight = 29;
// The first flower panel stands below the header's bevel.
constexpr int kFirstPanelTop = kBevelTop + kBevelHeight;
// The token and "=" that an object event's name starts with.
constexpr size_t kObjectKeyPrefix = 3;

const QColor kNavy(0, 0, 128);
const QColor kCaptionShadow(213, 208, 217);
const QColor kGrey(128, 128, 128);

// The event's own name, without the token of the object that raised it.
WideString PlainEventName(const WideString& eventName) {
  return IsObjectEvent(eventName, {}) ? eventName.substr(kObjectKeyPrefix) : eventName;
}

// Records `value` in `slot`; true when the slot already held a change of that kind.
template <class T>
bool Record(T*& slot, T* value) {
  return std::exchange(slot, value) != nullptr;
}

}  // namespace

TSWCellInfoPanel::TSWCellInfoPanel(QWidget* parent)
    : QWidget(parent),
      nextTop_(kFirstPanelTop),
      slotWatch_(TStoreSubscriber::THandler::Of<&TSWCellInfoPanel::SlotEvent>(this)),
      cellWatch_(TStoreSubscriber::THandler::Of<&TSWCellInfoPanel::CellFreed>(this)) {
  lbCaption = NewStyledLabel<TShadowLabel>(this, {0, 0}, {"MS Sans Serif", 13, true, false, kNavy});
  lbCaption->SetShadowDistanceX(10);
  lbCaption->SetShadowDistanceY(3);
  lbCaption->SetShadowColor(kCaptionShadow);
  Bevel1 = new QFrame(this);
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel1->setGeometry(0, kBevelTop, kWidth, 2);
  Image1 = new QLabel(this);
  Image1->setGeometry(8, 22, 17, 17);
  lbCoords = NewStyledLabel(this, {32, 20}, {.PixelSize = 9, .Color = kGrey});
  tmSynchronize.setInterval(kSynchronizeInterval);
  connect(&tmSynchronize, &QTimer::timeout, this, &TSWCellInfoPanel::tmSynchronizeTimer);
  resize(kWidth, kFirstPanelTop);
}

void TSWCellInfoPanel::SetConfig(TSWConfig* config) {
  config_ = config;
  if (config != nullptr) Image1->setPixmap(ToQPixmap(config->RequirePackage().Image(u"ui/coords")));
}

TSWConfig& TSWCellInfoPanel::RequireConfig() const {
  if (config_ == nullptr)
    Raise<EInvalidOperation>(u"TSWCellInfoPanel needs a configuration store.");
  return *config_;
}

void TSWCellInfoPanel::SetPlayer(TSWPlayer* player) {
  player_ = player;
  if (cell_ != nullptr) SetCell(cell_);
}

void TSWCellInfoPanel::SetCell(TSWMapCell* cell) {
  std::lock_guard guard(lock_);
  slotWatch_.Withdraw();
  cellWatch_.Withdraw();
  tmSynchronize.stop();
  pending_ = {};
  ReleaseFlowerPanels();
  nextTop_ = kFirstPanelTop;
  cell_ = cell;
  ShowCaptions();
  if (cell != nullptr) {
    const TSWMapCellSlots& objects = cell->Slots();
    for (int i = 0; i < objects.Count(); ++i) AddFlowerPanel(objects.SlotObject(i));
    for (const WideString* name : {&kEventSlotAdd, &kEventSlotDelete, &kEventSlotLevelUp})
      slotWatch_.SubscribeTo(*cell, *name);
    cellWatch_.SubscribeTo(*cell, kEventFree);
  }
  Restack();
}

void TSWCellInfoPanel::ShowCaptions() {
  Image1->setVisible(cell_ != nullptr);
  if (cell_ == nullptr) {
    lbCaption->SetCaption({});
    lbCoords->SetCaption({});
    return;
  }
  const TSWConfig& config = RequireConfig();
  lbCaption->SetCaption(config.Lang(u"cell: " + cell_->Terrain()));
  lbCoords->SetCaption(config.LangFmt(u"coords", {cell_->X() + 1, cell_->Y() + 1}));
}

void TSWCellInfoPanel::AddFlowerPanel(TSWCellObject& object) {
  auto* flower = As<TSWFlower>(&object);
  if (flower == nullptr) return;
  const bool foreign = player_ != nullptr && flower->Player() != player_;
  if (foreign && player_->Insight() == piNone) return;
  // Released again, with what it subscribed to, when building it fails.
  TSWConfig& config = RequireConfig();
  auto panel = std::make_unique<TSWFlowerInfoPanel>(this);
  panel->move(0, nextTop_);
  panel->SetConfig(&config);
  panel->setObjectName(ToQString(config.UniqueComponentName()));
  if (foreign) panel->SetInsight(player_->Insight());
  panel->SetFlower(*flower);
  panel->show();
  nextTop_ += panel->height() + kPanelSpacing;
  panels_.push_back(panel.release());
}

void TSWCellInfoPanel::RemoveFlowerPanel(TSWFlowerInfoPanel* panel) {
  std::erase(panels_, panel);
  Forget(panel);
  delete panel;
}

void TSWCellInfoPanel::ReleaseFlowerPanels() {
  for (TSWFlowerInfoPanel* panel : std::exchange(panels_, {})) {
    Forget(panel);
    delete panel;
  }
}

void TSWCellInfoPanel::Forget(const TSWFlowerInfoPanel* panel) {
  if (pending_.DeletedPanel == panel) pending_.DeletedPanel = nullptr;
  if (pending_.LevelledPanel == panel) pending_.LevelledPanel = nullptr;
}

void TSWCellInfoPanel::Restack() {
  nextTop_ = kFirstPanelTop;
  for (TSWFlowerInfoPanel* panel : panels_) {
    panel->move(0, nextTop_);
    nextTop_ += panel->height() + kPanelSpacing;
  }
  resize(kWidth, panels_.empty() ? kFirstPanelTop : nextTop_ - kPanelSpacing);
}

bool TSWCellInfoPanel::Busy() const {
  return std::any_of(panels_.begin(), panels_.end(),
                     [](const TSWFlowerInfoPanel* panel) { return panel->Busy(); });
}

TSWFlowerInfoPanel* TSWCellInfoPanel::PanelShowing(const TObject* object) const {
  const auto found =
      std::find_if(panels_.begin(), panels_.end(),
                   [object](const TSWFlowerInfoPanel* panel) { return panel->Flower() == object; });
  return found != panels_.end() ? *found : nullptr;
}

void TSWCellInfoPanel::SlotEvent(const WideString& eventName, TObject* arg) {
  std::lock_guard guard(lock_);
  const WideString name = PlainEventName(eventName);
  bool again = false;
  if (name == kEventSlotAdd) {
    again = Record(pending_.AddedObject, As<TSWCellObject>(arg));
  } else if (name == kEventSlotDelete) {
    // An object that goes before its addition was applied never got a panel, and must not get
    // one once it is freed.
    if (arg != nullptr && arg == pending_.AddedObject)
      pending_.AddedObject = nullptr;
    else
      again = Record(pending_.DeletedPanel, PanelShowing(arg));
  } else if (name == kEventSlotLevelUp) {
    again = Record(pending_.LevelledPanel, PanelShowing(arg));
  } else {
    Raise<Exception>(u"TSWCellInfoPanel.SlotEvent didn't know how to handle %s.", {name});
  }
  pending_.NeedsRebuild = pending_.NeedsRebuild || again;
  // On the window's thread; a change arriving while the timer runs waits for that run.
  QMetaObject::invokeMethod(this, [this] {
    if (!tmSynchronize.isActive()) tmSynchronize.start();
  });
}

void TSWCellInfoPanel::tmSynchronizeTimer() {
  std::lock_guard guard(lock_);
  tmSynchronize.stop();
  const TPendingChanges changes = std::exchange(pending_, {});
  if (changes.NeedsRebuild) {
    SetCell(cell_);
    return;
  }
  if (changes.LevelledPanel != nullptr) changes.LevelledPanel->UpdateAbilities();
  if (changes.DeletedPanel != nullptr) RemoveFlowerPanel(changes.DeletedPanel);
  if (changes.AddedObject != nullptr) AddFlowerPanel(*changes.AddedObject);
  // The panels below a removed one move up; a level may bring more abilities, and so a taller
  // panel that pushes those below it down.
  Restack();
}

void TSWCellInfoPanel::CellFreed(const WideString& /*eventName*/, TObject* /*arg*/) {
  {
    std::lock_guard guard(lock_);
    cell_ = nullptr;
    pending_ = {};
  }
  QMetaObject::invokeMethod(this, [this] {
    if (cell_ == nullptr) SetCell(nullptr);
  });
}
