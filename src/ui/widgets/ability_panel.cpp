#include "ui/widgets/ability_panel.h"

#include <QMouseEvent>
#include <memory>

#include "base/errors.h"
#include "config/config_store.h"
#include "config/event_hash.h"
#include "config/event_names.h"
#include "config/package.h"
#include "game/ability.h"
#include "game/ability_link.h"
#include "game/ability_list.h"
#include "game/flower.h"
#include "platform/png_image.h"
#include "ui/platform/qt_text.h"
#include "ui/widgets/png_speed_button.h"

namespace {

// The 16-pixel auto-cast mark covers the top-right corner of the 32-pixel icon.
constexpr int kAutocastSpacing = -10;

}  // namespace

TSWAbilityPanel::TSWAbilityPanel(QWidget* parent) : QWidget(parent) {
  resize(115, 81);
  tmRefresh.setInterval(kRefreshInterval);
  connect(&tmRefresh, &QTimer::timeout, this, &TSWAbilityPanel::tmRefreshTimer);
}

// The watches withdraw their handlers themselves, and forget a store that went first.
TSWAbilityPanel::~TSWAbilityPanel() = default;

void TSWAbilityPanel::SetConfig(TSWConfig* config) {
  if (config == config_) return;
  ClearButtons();
  config_ = config;
}

void TSWAbilityPanel::SetAbilities(TSWAbilityList* list) {
  ClearButtons();
  if (list != nullptr)
    for (int i = 0; i < list->Count(); ++i) AddButton(*list->Links(i));
  resize(width(), AbilityPanelHeight(lastPos_));
  updateGeometry();
  tmRefresh.start();
}

TSWAbilityLink* TSWAbilityPanel::LinkOf(const TPNGSpeedButton* button) const {
  for (const TAbilityButton& entry : buttons_)
    if (entry.Button == button) return entry.Link;
  return nullptr;
}

QSize TSWAbilityPanel::sizeHint() const { return QSize(width(), AbilityPanelHeight(lastPos_)); }

void TSWAbilityPanel::ClearButtons() {
  if (FiringInProgress()) firingInstance_->Cancel();
  WithdrawHandlers();
  for (const TAbilityButton& entry : buttons_) {
    // A button may be the sender of the click that led here: it goes once the click is over.
    entry.Button->disconnect(this);
    entry.Button->removeEventFilter(this);
    entry.Button->hide();
    entry.Button->setParent(nullptr);
    entry.Button->deleteLater();
  }
  buttons_.clear();
  nextPos_ = lastPos_ = TPoint{};
}

void TSWAbilityPanel::AddButton(TSWAbilityLink& link) {
  auto button = std::make_unique<TPNGSpeedButton>(this);
  button->setGeometry(nextPos_.X, nextPos_.Y, kButtonSize, kButtonSize);
  RefreshButton(*button, &link);
  DecorateButton(*button, link);
  linkWatch_.SubscribeTo(link, kEventFree);
  button->installEventFilter(this);
  TPNGSpeedButton* const added = button.release();
  connect(added, &QAbstractButton::clicked, this, [this, added] { ButtonClicked(added); });
  added->show();
  buttons_.push_back({added, &link, TClickHandler::Of<&TSWAbilityPanel::Fire>(this)});
  lastPos_ = nextPos_;
  nextPos_ = NextAbilityButtonPos(nextPos_, width());
}

void TSWAbilityPanel::DecorateButton(TPNGSpeedButton& button, TSWAbilityLink& link) {
  TSWAbility& ability = link.Ability();
  WideString hint = ability.GetCaption();
  button.SetCombine1(&ability.GetGlyph(32));
  if (ability.Autocastable()) {
    // A group of its own makes the button a toggle that shows the auto-cast state.
    button.SetGroupIndex(ButtonCount() + 1);
    button.SetAllowAllUp(true);
    button.SetDown(link.Autocast());
    button.SetCombine2(&AutocastImage());
    button.SetCombinedSpacing(kAutocastSpacing);
    hint += Store().Lang(u"autocast tip");
  }
  button.setToolTip(ToQString(hint));
}

void TSWAbilityPanel::RefreshButton(TPNGSpeedButton& button, const TSWAbilityLink* link) {
  if (link == nullptr) {
    button.setEnabled(false);
    return;
  }
  const bool recharging = link->IsRecharging();
  button.SetClockGray(recharging ? 100 - link->RechargePercent() : -1);
  button.setEnabled(!recharging);
}

void TSWAbilityPanel::tmRefreshTimer() {
  for (const TAbilityButton& entry : buttons_) RefreshButton(*entry.Button, entry.Link);
}

void TSWAbilityPanel::ButtonClicked(TPNGSpeedButton* button) {
  const TAbilityButton* entry = Find(button);
  if (entry == nullptr) return;
  // The handler may rebuild the buttons: it runs from a copy.
  const TClickHandler onClick = entry->OnClick;
  onClick(button);
}

void TSWAbilityPanel::Fire(QObject* sender) {
  TPNGSpeedButton& button =
      RequireButton(sender, u"TSWAbilityPanel.Fire expected a TPNGSpeedButton Sender.");
  if (FiringInProgress())
    Raise<Exception>(u"Cannot fire ability from TSWAbilityPanel - %s is already being fired.",
                     {firingInstance_->Name()});
  TAbilityButton* entry = Find(&button);
  if (entry == nullptr || entry->Link == nullptr) return;
  TSWAbilityLink& link = *entry->Link;
  if (link.IsRecharging()) {
    RefreshButton(button, &link);
    return;
  }
  EnableButtons(false);
  try {
    button.SetDown(false);
    MarkFiring(*entry);
    firingInstance_ = &link.Instance();
  } catch (...) {
    EnableButtons(true);
    throw;
  }
  firingWatch_.SubscribeTo(*firingInstance_, kEventEnd);
  firingWatch_.SubscribeTo(*firingInstance_, kEventCancel);
  Q_EMIT FiringStarted();
  try {
    firingInstance_->FireBy(flower_);
  } catch (...) {
    // Refused (already firing, recharging, no flower) or failed and cancelled: either way the
    // panel did not start a firing that will end.
    if (FiringInProgress()) EnableButtons(true);
    throw;
  }
}

void TSWAbilityPanel::MarkFiring(TAbilityButton& entry) {
  TPNGSpeedButton& button = *entry.Button;
  const TPngImage& cancel = CancelImage();
  savedGlyph_ = MakeOwned<TPngImage>();
  if (button.Combine1() != nullptr) savedGlyph_->Assign(*button.Combine1());
  firingButton_ = &button;
  savedOnClick_ = entry.OnClick;
  entry.OnClick = TClickHandler::Of<&TSWAbilityPanel::CancelClick>(this);
  button.SetCombine1(&cancel);
  button.SetCombine2(nullptr);
  button.setEnabled(true);
}

void TSWAbilityPanel::CancelClick(QObject* sender) {
  if (auto* button = qobject_cast<TPNGSpeedButton*>(sender)) button->SetDown(false);
  if (FiringInProgress()) firingInstance_->Cancel();
}

void TSWAbilityPanel::FiringEnded(TSWConfig* /*sender*/, const WideString& /*eventName*/,
                                  TObject* arg) {
  if (FiringInProgress() && arg == firingInstance_) EnableButtons(true);
}

void TSWAbilityPanel::EnableButtons(bool value) {
  for (const TAbilityButton& entry : buttons_)
    entry.Button->setEnabled(value && entry.Link != nullptr);
  if (!value) {
    tmRefresh.stop();
    firingButton_ = nullptr;
    return;
  }
  tmRefresh.start();
  const bool wasFiring = FiringInProgress();
  RestoreFiringButton();
  firingInstance_ = nullptr;
  if (wasFiring) Q_EMIT FiringStopped();
}

void TSWAbilityPanel::RestoreFiringButton() {
  if (firingButton_ == nullptr) return;
  TPNGSpeedButton& button = *firingButton_;
  firingButton_ = nullptr;
  button.SetCombine1(savedGlyph_.get());
  FreeObject(savedGlyph_.release());
  TAbilityButton* entry = Find(&button);
  if (entry == nullptr) return;
  entry->OnClick = savedOnClick_;
  if (entry->Link != nullptr) button.SetDown(entry->Link->Autocast());
}

void TSWAbilityPanel::InstanceStopped(const WideString& eventName, TObject* instance) {
  FiringEnded(config_, eventName, instance);
}

void TSWAbilityPanel::LinkFreed(const WideString& /*eventName*/, TObject* link) {
  for (TAbilityButton& entry : buttons_) {
    if (entry.Link != link) continue;
    entry.Link = nullptr;
    // Its instance goes with it, without "end" or "cancel".
    if (entry.Button == firingButton_) EnableButtons(true);
    entry.Button->setEnabled(false);
  }
}

bool TSWAbilityPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint position = mouse->position().toPoint();
    BtnMouseUp(watched, mouse->button(), mouse->modifiers(), position.x(), position.y());
  }
  return QWidget::eventFilter(watched, event);
}

void TSWAbilityPanel::BtnMouseUp(QObject* sender, Qt::MouseButton button,
                                 Qt::KeyboardModifiers /*shift*/, int /*x*/, int /*y*/) {
  TPNGSpeedButton& speedButton =
      RequireButton(sender, u"TSWAbilityPanel.BtnMouseUp expected a TPNGSpeedButton Sender.");
  if (FiringInProgress() || button != Qt::RightButton || !speedButton.AllowAllUp()) return;
  TAbilityButton* entry = Find(&speedButton);
  if (entry == nullptr || entry->Link == nullptr) return;
  TSWAbilityLink& link = *entry->Link;
  link.SetAutocast(!link.Autocast());
  speedButton.SetDown(link.Autocast());
}

void TSWAbilityPanel::WithdrawHandlers() {
  linkWatch_.Withdraw();
  firingWatch_.Withdraw();
}

TSWAbilityPanel::TAbilityButton* TSWAbilityPanel::Find(const TPNGSpeedButton* button) {
  for (TAbilityButton& entry : buttons_)
    if (entry.Button == button) return &entry;
  return nullptr;
}

TSWConfig& TSWAbilityPanel::Store() const {
  if (config_ == nullptr) Raise<EInvalidOperation>(u"TSWAbilityPanel needs a configuration store.");
  return *config_;
}

const TPngImage& TSWAbilityPanel::CancelImage() const {
  return Store().RequirePackage().Image(u"ui/cancel");
}

const TPngImage& TSWAbilityPanel::AutocastImage() const {
  return Store().RequirePackage().Image(u"ui/autocast");
}

TPNGSpeedButton& TSWAbilityPanel::RequireButton(QObject* sender, const char16_t* message) {
  auto* button = qobject_cast<TPNGSpeedButton*>(sender);
  if (button == nullptr) Raise<EComponentError>(message);
  return *button;
}
