#pragma once
// The ability panel: one cooldown button per ability link of a flower, in list order. A left
// click fires the link's instance by the flower; while it is being fired every other button is
// disabled and the fired one shows the cancel image and cancels on click. A right click on an
// autocastable ability's button (a toggle, marked in its top-right corner) switches auto-cast.
// While idle, a 150 ms timer greys recharging buttons with a clock of the recharge done.
//
// Buttons stand 44 pixels apart in rows 44 pixels apart; a row holds as many as fit in the
// panel's width (at least one), and the panel's height follows the rows it needs.
//
// Everything runs on the UI thread, ticks included. The panel and its store may go in either
// order: the panel's handlers leave the store with the panel.
#include <QTimer>
#include <QWidget>
#include <vector>

#include "base/bound_method.h"
#include "base/object_release.h"
#include "base/tobject.h"
#include "base/wide_string.h"
#include "platform/geometry.h"
#include "ui/widgets/ability_button_layout.h"
#include "ui/widgets/store_subscriber.h"

class TPNGSpeedButton;
class TPngImage;
class TSWAbility;
class TSWAbilityLink;
class TSWAbilityList;
class TSWConfig;
class TSWFlower;

class TSWAbilityPanel : public QWidget {
  Q_OBJECT

 public:
  // What an ability button does on a left click: Fire, or CancelClick while it is being fired.
  using TClickHandler = TBoundMethod<void(QObject* sender)>;

  static constexpr int kButtonSize = kAbilityButtonSize;
  static constexpr int kRefreshInterval = 150;

  explicit TSWAbilityPanel(QWidget* parent = nullptr);
  ~TSWAbilityPanel() override;

  // The store of the language strings and of the package that serves the cancel image
  // ("ui/cancel") and the auto-cast mark ("ui/autocast"). Changing it clears the buttons.
  TSWConfig* Config() const { return config_; }
  void SetConfig(TSWConfig* config);
  // The flower that fires; set it before SetAbilities.
  TSWFlower* Flower() const { return flower_; }
  void SetFlower(TSWFlower* flower) { flower_ = flower; }

  // Rebuilds the buttons for `list` (nullptr: none), lays them out in the current width,
  // resizes the panel to their height and starts the refresh timer. A firing in progress is
  // cancelled first, since its button goes.
  void SetAbilities(TSWAbilityList* list);
  // True from a Fire until the fired instance ends or is cancelled (or its link goes).
  bool FiringInProgress() const { return firingInstance_ != nullptr; }

  // Enabling the panel as a whole (QWidget::setEnabled) is the owner's: another player's flower
  // shows its abilities disabled.

  // Left click on an ability button: fires its link's instance by Flower, unless a recharge has
  // begun since the last refresh (the button then just turns disabled). Fails with
  // "TSWAbilityPanel.Fire expected a TPNGSpeedButton Sender." (EComponentError) for another
  // sender and with "Cannot fire ability from TSWAbilityPanel - %s is already being fired."
  // (Exception) while firing. A failure of the instance's FireBy restores the buttons and
  // passes on.
  void Fire(QObject* sender);
  // A mouse button released over an ability button: the right button toggles auto-cast of an
  // autocastable ability while nothing is being fired. Fails with "TSWAbilityPanel.BtnMouseUp
  // expected a TPNGSpeedButton Sender." (EComponentError) for another sender.
  void BtnMouseUp(QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                  int y);
  // Left click on the fired button: cancels the instance, whose "cancel" restores the buttons.
  void CancelClick(QObject* sender);
  // The fired instance's "end" or "cancel": restores the buttons. Events of other instances
  // (an auto-cast firing ending meanwhile) leave a firing in progress alone.
  void FiringEnded(TSWConfig* sender, const WideString& eventName, TObject* arg);
  // Enables or disables every ability button and the refresh timer; enabling also gives the
  // fired button back its icon (not its auto-cast mark) and its click, and ends the firing.
  void EnableButtons(bool value);
  // The refresh: a button is enabled unless its link recharges; a recharging one shows the clock
  // at 100 - RechargePercent (the share of the recharge done), a ready one no clock.
  void tmRefreshTimer();

  // The ability buttons in list order, and each one's link (nullptr once the link is gone).
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TPNGSpeedButton* Buttons(int index) const { return buttons_.at(index).Button; }
  TSWAbilityLink* LinkOf(const TPNGSpeedButton* button) const;
  TSWAbility* FiringInstance() const { return firingInstance_; }
  TPNGSpeedButton* FiringButton() const { return firingButton_; }
  QTimer& RefreshTimer() { return tmRefresh; }

  // The panel's width and the height its rows of buttons need.
  QSize sizeHint() const override;

 Q_SIGNALS:
  // A firing started from the panel, and the panel idle again after one.
  void FiringStarted();
  void FiringStopped();

 protected:
  // Routes the buttons' mouse releases to BtnMouseUp.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TAbilityButton {
    TPNGSpeedButton* Button;
    TSWAbilityLink* Link;
    TClickHandler OnClick;
  };

  // Cancels a firing in progress, withdraws the panel's handlers and lets the buttons go.
  void ClearButtons();
  void AddButton(TSWAbilityLink& link);
  void DecorateButton(TPNGSpeedButton& button, TSWAbilityLink& link);
  void RefreshButton(TPNGSpeedButton& button, const TSWAbilityLink* link);
  void MarkFiring(TAbilityButton& entry);
  void RestoreFiringButton();
  // The shown links' "free", and the fired instance's "end" and "cancel".
  void LinkFreed(const WideString& eventName, TObject* link);
  void InstanceStopped(const WideString& eventName, TObject* instance);
  void ButtonClicked(TPNGSpeedButton* button);
  void WithdrawHandlers();
  TAbilityButton* Find(const TPNGSpeedButton* button);
  // Fails with "TSWAbilityPanel needs a configuration store." (EInvalidOperation) without one.
  TSWConfig& Store() const;
  // The design-time images, served by the store's package.
  const TPngImage& CancelImage() const;
  const TPngImage& AutocastImage() const;
  static TPNGSpeedButton& RequireButton(QObject* sender, const char16_t* message);

  TSWConfig* config_ = nullptr;
  TSWFlower* flower_ = nullptr;
  QTimer tmRefresh;
  std::vector<TAbilityButton> buttons_;
  // Where the next button goes, and where the last one went.
  TPoint nextPos_;
  TPoint lastPos_;

  TSWAbility* firingInstance_ = nullptr;
  TPNGSpeedButton* firingButton_ = nullptr;
  TClickHandler savedOnClick_;
  TOwned<TPngImage> savedGlyph_;
  TStoreSubscriber linkWatch_{TStoreSubscriber::THandler::Of<&TSWAbilityPanel::LinkFreed>(this)};
  TStoreSubscriber firingWatch_{
      TStoreSubscriber::THandler::Of<&TSWAbilityPanel::InstanceStopped>(this)};
};
